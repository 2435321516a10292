#include "writing/fixed_notation.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "reading/portability.h"

namespace iob {
namespace {

constexpr std::uint64_t kDecimalScales[] = {1,           10,           100,          1000,      10000,
                                            100000,      1000000,      10000000,     100000000, 1000000000,
                                            10000000000, 100000000000, 1000000000000};
constexpr int kMaxDecimals = 12;

using Wide = UnsignedInt128;

constexpr char kPairs[] = "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
                          "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
                          "8081828384858687888990919293949596979899";

// Writes `value`, below 10^Digits, as exactly `Digits` digits (leading zeros
// included) before `end`. The halves are written apart, so the divisions do
// not wait on one another, and each divisor is a constant, which the
// compiler turns into a multiplication.
template <int Digits>
void PutDigits(char* end, std::uint64_t value) {
    if constexpr (Digits == 1) {
        end[-1] = static_cast<char>('0' + value);
    } else if constexpr (Digits == 2) {
        std::memcpy(end - 2, kPairs + 2 * value, 2);
    } else {
        constexpr int kLow = Digits / 2;
        PutDigits<kLow>(end, value % kDecimalScales[kLow]);
        PutDigits<Digits - kLow>(end - kLow, value / kDecimalScales[kLow]);
    }
}

// Writes `units` / 10^Decimals in fixed notation with `Decimals` decimals
// before `end`; returns the start. A zero integer part is written as 0.
template <int Decimals>
char* PutFixed(char* end, std::uint64_t units) {
    PutDigits<Decimals>(end, units % kDecimalScales[Decimals]);
    char* p = end - Decimals;
    *--p = '.';
    const char* point = p;
    std::uint64_t integer = units / kDecimalScales[Decimals];
    for (; integer >= 10; integer /= 100, p -= 2) PutDigits<2>(p, integer % 100);
    // One digit is left, or none after an even count.
    if (integer != 0 || p == point) *--p = static_cast<char>('0' + integer);
    return p;
}

using FixedWriter = char* (*)(char*, std::uint64_t);
constexpr FixedWriter kFixedWriters[kMaxDecimals + 1] = {
    nullptr,     PutFixed<1>, PutFixed<2>, PutFixed<3>,  PutFixed<4>,  PutFixed<5>, PutFixed<6>,
    PutFixed<7>, PutFixed<8>, PutFixed<9>, PutFixed<10>, PutFixed<11>, PutFixed<12>};

}  // namespace

char* WriteShortFixed(char* out, double value, int decimals) {
    if (!std::isfinite(value) || decimals < 1 || decimals > kMaxDecimals) return nullptr;

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
        if (exponent > 34) return nullptr;
        rounded = scaled << exponent;
    } else if (-exponent < 128) {
        int shift = -exponent;
        rounded = scaled >> shift;
        Wide remainder = scaled - (rounded << shift);
        Wide half = static_cast<Wide>(1) << (shift - 1);
        if (remainder > half || (remainder == half && (rounded & 1) != 0)) ++rounded;
    }  // else below 2^-35 units of the last decimal: rounds to 0
    if ((rounded >> 64) != 0) return nullptr;

    // Written from its last digit back, then moved to its place.
    char text[kShortFixedMaxLength];
    char* end = text + sizeof text;
    char* p = kFixedWriters[decimals](end, static_cast<std::uint64_t>(rounded));
    if (negative) *--p = '-';
    const std::size_t length = static_cast<std::size_t>(end - p);
    std::memcpy(out, p, length);
    return out + length;
}

char* WriteFixed(char* out, double value, int decimals) {
    auto put = [out](const char* text, std::size_t length) {
        std::memcpy(out, text, length);
        return out + length;
    };
    if (std::isnan(value)) return std::signbit(value) ? put("-nan", 4) : put("nan", 3);
    if (std::isinf(value)) return value < 0 ? put("-inf", 4) : put("inf", 3);
    if (char* end = WriteShortFixed(out, value, decimals)) return end;
    return std::to_chars(out, out + kMaxFixedLength, value, std::chars_format::fixed, decimals).ptr;
}

void AppendFixed(std::string& out, double value, int decimals) {
    char text[kMaxFixedLength];
    out.append(text, WriteFixed(text, value, decimals));
}

}  // namespace iob
