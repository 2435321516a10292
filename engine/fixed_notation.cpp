#include "fixed_notation.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "char_class.h"
#include "portability.h"

namespace iob {
namespace {

constexpr std::uint64_t kDecimalScales[] = {1,           10,           100,          1000,      10000,
                                            100000,      1000000,      10000000,     100000000, 1000000000,
                                            10000000000, 100000000000, 1000000000000};
constexpr int kMaxDecimals = 12;

using Wide = UnsignedInt128;

// Writes the two digits of `pair` (below 100) before `p`; returns the new start.
char* PutTwoDigits(char* p, std::uint64_t pair) {
    static constexpr char kPairs[] = "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
                                     "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
                                     "8081828384858687888990919293949596979899";
    p -= 2;
    std::memcpy(p, kPairs + 2 * pair, 2);
    return p;
}

}  // namespace

bool AppendShortFixed(std::string& out, double value, int decimals) {
    if (!std::isfinite(value) || decimals < 1 || decimals > kMaxDecimals) return false;

    // value = significand x 2^exponent exactly; round significand x 2^exponent
    // x 10^decimals to an integer, halves to even, in 128-bit arithmetic.
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    bool negative = (bits >> 63) != 0;
    int biasedExponent = static_cast<int>((bits >> 52) & 0x7FF);
    std::uint64_t significand = bits & ((std::uint64_t{1} << 52) - 1);
    int exponent = -1074;
    if (biasedExponent != 0) {
        significand |= std::uint64_t{1} << 52;
        exponent = biasedExponent - 1075;
    }
    Wide scaled = static_cast<Wide>(significand) * kDecimalScales[decimals];  // below 2^93
    Wide rounded = 0;
    if (exponent >= 0) {
        if (exponent > 34) return false;
        rounded = scaled << exponent;
    } else if (-exponent < 128) {
        int shift = -exponent;
        rounded = scaled >> shift;
        Wide remainder = scaled - (rounded << shift);
        Wide half = static_cast<Wide>(1) << (shift - 1);
        if (remainder > half || (remainder == half && (rounded & 1) != 0)) ++rounded;
    }  // else below 2^-35 units of the last decimal: rounds to 0
    if ((rounded >> 64) != 0) return false;

    std::uint64_t units = static_cast<std::uint64_t>(rounded);
    std::uint64_t integer = units / kDecimalScales[decimals];
    std::uint64_t fraction = units % kDecimalScales[decimals];
    char text[40];  // a sign, 20 digits, the point and 12 decimals
    char* end = text + sizeof text;
    char* p = end;
    int left = decimals;
    for (; left >= 2; left -= 2, fraction /= 100) p = PutTwoDigits(p, fraction % 100);
    if (left == 1) *--p = static_cast<char>('0' + fraction % 10);
    *--p = '.';
    const char* point = p;
    for (; integer >= 10; integer /= 100) p = PutTwoDigits(p, integer % 100);
    // One digit is left, or none after an even count; a zero integer part is written as 0.
    if (integer != 0 || p == point) *--p = static_cast<char>('0' + integer);
    if (negative) *--p = '-';
    out.append(p, static_cast<std::size_t>(end - p));
    return true;
}

}  // namespace iob
