// What the engine needs beyond standard C++, in one place: the compilers
// and C libraries it builds with (GCC or Clang, glibc) all provide it.
#pragma once

#include <clocale>
#include <cstdlib>
#include <locale.h>

namespace iob {

// strtod in the C locale, created once: the point is the separator, and the
// C library's rounding, overflow to infinity and underflow stay exact.
inline double StrtodInCLocale(const char* text) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    return strtod_l(text, nullptr, cLocale);
}

// Exact products of two 64-bit numbers.
__extension__ using UnsignedInt128 = unsigned __int128;

}  // namespace iob
