#include "files_and_messages/system_reason.h"

#include <cerrno>
#include <cstring>

#include <iob/string_table.h>

#ifdef _WIN32
#include "files_and_messages/windows_api.h"
#endif

namespace iob {

std::string ReasonOfErrno(int errorNumber, Access access) {
    switch (errorNumber) {
    case 0:
        return std::string();
    case ENOENT:
    case ENOTDIR:
        return LoadString(kMsgReasonMissing);
    case EISDIR:
        return LoadString(kMsgReasonFolder);
    case EACCES:
    case EPERM:
    case EROFS:
        return LoadString(access == Access::kWrite ? kMsgReasonNotAllowedToWrite : kMsgReasonNotAllowedToRead);
    case EBUSY:
    case ETXTBSY:
        return LoadString(kMsgReasonInUse);
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return LoadString(kMsgReasonDiskFull);
    default:
        return std::strerror(errorNumber);
    }
}

#ifdef _WIN32
std::string ReasonOfWindowsError(unsigned long error, Access access) {
    switch (error) {
    case ERROR_SUCCESS:
        return std::string();
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
        return LoadString(kMsgReasonMissing);
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
        return LoadString(access == Access::kWrite ? kMsgReasonNotAllowedToWrite : kMsgReasonNotAllowedToRead);
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return LoadString(kMsgReasonInUse);
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return LoadString(kMsgReasonDiskFull);
    default: {
        wchar_t* text = nullptr;
        const DWORD length =
            FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                           nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
        std::wstring wide(text != nullptr ? text : L"", length);
        LocalFree(text);
        while (!wide.empty() && (wide.back() == L'\n' || wide.back() == L'\r' || wide.back() == L'.')) wide.pop_back();
        return Utf8OfWide(wide);
    }
    }
}
#endif

}  // namespace iob
