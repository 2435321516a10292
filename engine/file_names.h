// File names are UTF-8 text everywhere: the dialog's, the command line's and
// the messages'. Windows reads a narrow name in the ANSI code page, where
// most names of other scripts cannot be spelled, so there every name goes
// through the wide-character API.
#pragma once

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#ifdef _WIN32
#include <io.h>
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace iob {

inline std::filesystem::path PathFromUtf8(const std::string& name) {
#ifdef _WIN32
    return std::filesystem::u8path(name);
#else
    return name;  // the bytes as they are, UTF-8 or not
#endif
}

// std::fopen for a path; `mode` is plain ASCII.
inline std::FILE* OpenFile(const std::filesystem::path& path, const char* mode) {
#ifdef _WIN32
    std::wstring wideMode(mode, mode + std::char_traits<char>::length(mode));
    return _wfopen(path.c_str(), wideMode.c_str());
#else
    return std::fopen(path.c_str(), mode);
#endif
}

// The same for a UTF-8 name.
inline std::FILE* OpenFile(const std::string& name, const char* mode) { return OpenFile(PathFromUtf8(name), mode); }

// What an output name denotes, for writing the output through a temporary
// file that is renamed over it.
struct OutputName {
    enum Kind {
        kMissing,     // no file has the name (yet): a new file takes it
        kSoleName,    // a regular file, and this its only name: it can be replaced
        kNotReplaced  // anything else, or what cannot be told: written in place
    };
    Kind kind = kNotReplaced;
    std::filesystem::path file;  // the name with its symbolic links followed
};

inline OutputName ExamineOutputName(const std::filesystem::path& name) {
#ifdef _WIN32
    // Windows follows links as it opens a file, and tells the name it opened.
    // Its stat would call every file one name, and a device no file at all.
    HANDLE file = CreateFileW(name.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        if (GetLastError() == ERROR_FILE_NOT_FOUND) return {OutputName::kMissing, name};
        return {};
    }
    BY_HANDLE_FILE_INFORMATION information;
    std::wstring path(MAX_PATH, L'\0');
    bool sole = GetFileType(file) == FILE_TYPE_DISK && GetFileInformationByHandle(file, &information) != 0 &&
                (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 && information.nNumberOfLinks == 1;
    DWORD length = sole ? GetFinalPathNameByHandleW(file, path.data(), static_cast<DWORD>(path.size()), 0) : 0;
    if (length >= path.size()) {
        path.resize(length);
        length = GetFinalPathNameByHandleW(file, path.data(), static_cast<DWORD>(path.size()), 0);
    }
    CloseHandle(file);
    if (length == 0 || length >= path.size()) return {};
    path.resize(length);
    // The C library takes "C:\..." and "\\server\...", not the "\\?\" forms.
    if (path.compare(0, 8, L"\\\\?\\UNC\\") == 0) return {OutputName::kSoleName, L"\\" + path.substr(7)};
    if (path.compare(0, 4, L"\\\\?\\") == 0) return {OutputName::kSoleName, path.substr(4)};
    return {OutputName::kSoleName, path};
#else
    std::filesystem::path path = name;
    constexpr int kMaxLinks = 40;  // as many as the system itself follows
    std::error_code error;
    for (int links = 0; links < kMaxLinks && std::filesystem::is_symlink(std::filesystem::symlink_status(path, error));
         ++links) {
        std::filesystem::path target = std::filesystem::read_symlink(path, error);
        if (error) break;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    struct stat status;
    if (stat(path.c_str(), &status) != 0)
        return {errno == ENOENT ? OutputName::kMissing : OutputName::kNotReplaced, path};
    return {S_ISREG(status.st_mode) && status.st_nlink == 1 ? OutputName::kSoleName : OutputName::kNotReplaced, path};
#endif
}

// Creates `path` and opens it for writing in binary mode, with the
// permissions fopen would give a new file; null when it exists already
// (errno is then EEXIST) or cannot be made.
inline std::FILE* CreateNewFile(const std::filesystem::path& path) {
#ifdef _WIN32
    int descriptor = _wopen(path.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _S_IREAD | _S_IWRITE);
    std::FILE* file = descriptor < 0 ? nullptr : _fdopen(descriptor, "wb");
    if (descriptor >= 0 && file == nullptr) _close(descriptor);
#else
    int descriptor = ::open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
    std::FILE* file = descriptor < 0 ? nullptr : fdopen(descriptor, "wb");
    if (descriptor >= 0 && file == nullptr) ::close(descriptor);
#endif
    return file;
}

// Renames `from` to `to` in the same folder, replacing a file of that
// name: the old file stays whole until the new one takes its name.
inline bool RenameReplacing(const std::filesystem::path& from, const std::filesystem::path& to) {
#ifdef _WIN32
    return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
#else
    return std::rename(from.c_str(), to.c_str()) == 0;
#endif
}

}  // namespace iob
