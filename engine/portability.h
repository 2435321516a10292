// What the engine needs beyond standard C++, in one place: the compilers
// and C libraries it builds with (GCC or Clang with glibc, mingw-w64 on
// Windows) all provide it, under their own names.
#pragma once

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <locale.h>
#include <sys/stat.h>

namespace iob {

// strtod in the C locale, created once: the point is the separator, and the
// C library's rounding, overflow to infinity and underflow stay exact.
#ifdef _WIN32
inline double StrtodInCLocale(const char* text) {
    static const _locale_t cLocale = _create_locale(LC_NUMERIC, "C");
    return _strtod_l(text, nullptr, cLocale);
}
#else
inline double StrtodInCLocale(const char* text) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    return strtod_l(text, nullptr, cLocale);
}
#endif

// Whether fseek can take the stream back to its start. glibc's fseek
// fails by itself on a pipe; Windows' reports success there, and the next
// read goes on where the last one stopped, so only a file on disk will do.
#ifdef _WIN32
inline bool CanRewind(std::FILE* file) {
    struct _stat64 status;
    return _fstat64(_fileno(file), &status) == 0 && (status.st_mode & _S_IFMT) == _S_IFREG;
}
#else
inline bool CanRewind(std::FILE*) { return true; }
#endif

// Exact products of two 64-bit numbers (GCC and Clang have the type on every
// 64-bit target, mingw-w64's included).
__extension__ using UnsignedInt128 = unsigned __int128;

}  // namespace iob
