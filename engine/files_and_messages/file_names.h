// File names are UTF-8 text everywhere: the dialog's, the command line's and
// the messages'. Windows reads a narrow name in the ANSI code page, where
// most names of other scripts cannot be spelled, so there every name goes
// through the wide-character API.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/stat.h>

namespace iob {

inline std::filesystem::path PathFromUtf8(const std::string& name) {
#ifdef _WIN32
    return std::filesystem::u8path(name);
#else
    return name;  // the bytes as they are, UTF-8 or not
#endif
}

#ifdef _WIN32
// A name that Windows' wide calls take at any length: beyond MAX_PATH the
// absolute "\\?\" form, which they read without the limit (the C library's
// calls take long names as they are).
inline std::wstring ExtendedLengthName(const std::filesystem::path& path) {
    constexpr std::size_t kShortEnough = 240;  // MAX_PATH, less room for a file name added
    std::error_code error;
    std::wstring name = std::filesystem::absolute(path, error).lexically_normal().wstring();
    if (error || name.size() < kShortEnough || name.rfind(L"\\\\?\\", 0) == 0) return path.wstring();
    for (wchar_t& ch : name) {
        if (ch == L'/') ch = L'\\';
    }
    if (name.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + name.substr(2);
    return L"\\\\?\\" + name;
}
#endif

// A path's name in UTF-8 (on Linux its bytes as they are).
inline std::string Utf8FromPath(const std::filesystem::path& path) {
#ifdef _WIN32
    return path.u8string();
#else
    return path.string();
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

// Whether the open `file` is a regular file, which can be read more than
// once: no pipe, no device.
inline bool IsRegularFile(std::FILE* file) {
#ifdef _WIN32
    struct _stat64 status;
    return _fstat64(_fileno(file), &status) == 0 && (status.st_mode & _S_IFMT) == _S_IFREG;
#else
    struct stat status;
    return fstat(fileno(file), &status) == 0 && S_ISREG(status.st_mode);
#endif
}

// The same for a UTF-8 name.
inline std::FILE* OpenFile(const std::string& name, const char* mode) { return OpenFile(PathFromUtf8(name), mode); }

}  // namespace iob
