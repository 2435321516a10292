#include "number_text.h"

#include <charconv>
#include <cmath>
#include <cstring>

#include "char_class.h"
#include "decimal_shortcuts.h"
#include "portability.h"

namespace iob {

double ParseNumber(const char* text, const char* end) {
    double value;
    if (ReadShortDecimal(text, end, value)) return value;

    // Copy the part that fits the grammar, spelling the exponent letter 'e',
    // so that strtod sees nothing it would read differently (hex, inf, nan).
    char number[kMaxNumberText + 4];
    std::size_t length = 0;
    auto keep = [&](char c) { if (length < kMaxNumberText) number[length++] = c; };
    auto at = [end](const char* q, bool (*test)(char)) { return q < end && test(*q); };
    auto isSign = [](char c) { return c == '+' || c == '-'; };
    auto isExponentLetter = [](char c) { return c == 'E' || c == 'e' || c == 'D' || c == 'd'; };
    const char* p = text;
    while (at(p, IsCSpace)) ++p;
    if (at(p, isSign)) keep(*p++);
    bool sawDigit = false;
    bool sawPoint = false;
    for (; at(p, IsAsciiDigit) || (p < end && *p == '.' && !sawPoint); ++p) {
        sawDigit |= IsAsciiDigit(*p);
        sawPoint |= *p == '.';
        keep(*p);
    }
    if (!sawDigit) return 0.0;
    if (at(p, isExponentLetter)) {
        const char* sign = p + 1;
        const char* digits = at(sign, isSign) ? sign + 1 : sign;
        if (at(digits, IsAsciiDigit)) {
            keep('e');
            if (digits != sign) keep(*sign);
            for (; at(digits, IsAsciiDigit); ++digits) keep(*digits);
        }
    }
    number[length] = '\0';
    return StrtodInCLocale(number);
}

double ParseNumber(const char* text) { return ParseNumber(text, text + std::strlen(text)); }

void AppendFixed(std::string& out, double value, int decimals) {
    if (std::isnan(value)) {
        out += std::signbit(value) ? "-nan" : "nan";
        return;
    }
    if (std::isinf(value)) {
        out += value < 0 ? "-inf" : "inf";
        return;
    }
    if (AppendShortFixed(out, value, decimals)) return;
    // 309 integer digits at most, a sign, a point and the decimals.
    char digits[400];
    std::to_chars_result converted =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, decimals);
    out.append(digits, converted.ptr);
}

}  // namespace iob
