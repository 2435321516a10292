// What the engine needs beyond standard C++, in one place: the compilers
// and C libraries it builds with (GCC or Clang with glibc, mingw-w64 on
// Windows) all provide it, under their own names.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstring>
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

// How many of the 8 bytes at `text` are spaces before the first other byte:
// a word compared at once, its first byte the lowest (every target is
// little-endian), the count of its trailing zero bits found by the builtin.
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "the first byte of a word is its lowest");
inline int LeadingSpacesOf8(const char* text) {
    std::uint64_t word;
    std::memcpy(&word, text, sizeof word);
    word ^= 0x2020202020202020;  // a space becomes a zero byte
    return word == 0 ? 8 : __builtin_ctzll(word) / 8;
}

}  // namespace iob
