// What the engine needs beyond standard C++, in one place: the compilers
// and C libraries it builds with (GCC or Clang with glibc, mingw-w64 on
// Windows) all provide it, under their own names.
#pragma once

#include <cstdio>
#include <sys/stat.h>

namespace iob {

// Whether fseek can take the stream back to its start. glibc's fseek
// fails by itself on a pipe; Windows' reports success there, and the next
// read goes on where the last one stopped, so only a file on disk will do.
#ifdef _WIN32
inline bool CanRewind(std::FILE* file) {
    struct _stat64 status;
    return _fstat64(_fileno(file), &status) == 0 && (status.st_mode & _S_IFMT) == _S_IFREG;
}
#else
inline bool CanRewind(std::FILE* /*file*/) { return true; }
#endif

// Exact products of two 64-bit numbers (GCC and Clang have the type on every
// 64-bit target, mingw-w64's included).
__extension__ using UnsignedInt128 = unsigned __int128;

}  // namespace iob
