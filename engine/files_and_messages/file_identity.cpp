#include "files_and_messages/file_identity.h"

#include <filesystem>
#include <system_error>

#include "files_and_messages/file_names.h"
#include "reading/char_class.h"

#ifdef _WIN32
#include "files_and_messages/windows_api.h"
#endif

namespace iob {
namespace {

#ifdef _WIN32
// The volume and the index of the file `name` denotes; false when it cannot be opened.
bool IdentityOf(const std::string& name, BY_HANDLE_FILE_INFORMATION& identity) {
    HANDLE file = CreateFileW(ExtendedLengthName(PathFromUtf8(name)).c_str(), 0,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                              FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const bool known = GetFileInformationByHandle(file, &identity) != 0;
    CloseHandle(file);
    return known;
}
#endif

}  // namespace

bool IsSameFile(const std::string& a, const std::string& b) {
#ifdef _WIN32
    // std::filesystem::equivalent gives up when the drive numbers differ,
    // which they do for one volume under two drive letters.
    BY_HANDLE_FILE_INFORMATION first;
    BY_HANDLE_FILE_INFORMATION second;
    return IdentityOf(a, first) && IdentityOf(b, second) && first.dwVolumeSerialNumber == second.dwVolumeSerialNumber &&
           first.nFileIndexHigh == second.nFileIndexHigh && first.nFileIndexLow == second.nFileIndexLow;
#else
    std::error_code error;
    return std::filesystem::equivalent(PathFromUtf8(a), PathFromUtf8(b), error);
#endif
}

bool IsStandardOutputName(const std::string& name) {
    if (name == "-") return true;
#ifdef _WIN32
    return EqualIgnoringAsciiCase(name.c_str(), "CON");
#else
    return name == "/dev/stdout" || name == "/dev/fd/1" || name == "/proc/self/fd/1";
#endif
}

}  // namespace iob
