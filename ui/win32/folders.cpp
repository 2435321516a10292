#include "platform_folders.h"

#include "windows_api.h"

#include <shlobj.h>

#include "wide_text.h"

std::string WorkingFolder() {
    std::wstring folder(GetCurrentDirectoryW(0, nullptr), L'\0');
    folder.resize(GetCurrentDirectoryW(static_cast<DWORD>(folder.size()), folder.data()));
    return Narrow(folder);
}

std::string UserFolder() {
    wchar_t folder[MAX_PATH] = L"";
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, folder))) return std::string();
    return Narrow(folder);
}

namespace {

bool IsFolder(const std::string& folder) {
    const DWORD attributes = GetFileAttributesW(Widen(folder).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Writable means a file can be made there: under Program Files the rights,
// not the folder's attributes, forbid it. The probe goes when its handle is
// closed; the process id keeps two programs' probes apart.
bool CanMakeFileIn(const std::string& folder) {
    const std::wstring probe = Widen(folder) + L"\\~iobtoquorvane-" + std::to_wstring(GetCurrentProcessId()) + L".tmp";
    const HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

}  // namespace

StartFolderChecks FileSystemFolderChecks() {
    return StartFolderChecks{IsFolder,
                             [](const std::string& folder) { return IsFolder(folder) && CanMakeFileIn(folder); }};
}
