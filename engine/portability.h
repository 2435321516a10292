// What the engine needs beyond standard C++, in one place: GCC and Clang
// provide it on every platform the engine builds for.
#pragma once

namespace iob {

// Exact products of two 64-bit numbers.
__extension__ using UnsignedInt128 = unsigned __int128;

}  // namespace iob
