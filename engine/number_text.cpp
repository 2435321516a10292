#include "number_text.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <locale.h>

#include "decimal_shortcuts.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// strtod in the C locale, created once: the point is the separator and the
// C library's rounding, overflow to infinity and underflow stay exact.
double StrtodC(const char* text) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    return strtod_l(text, nullptr, cLocale);
}

}  // namespace

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
    while (at(p, IsSpace)) ++p;
    if (at(p, isSign)) keep(*p++);
    bool sawDigit = false;
    bool sawPoint = false;
    for (; at(p, IsDigit) || (p < end && *p == '.' && !sawPoint); ++p) {
        sawDigit |= IsDigit(*p);
        sawPoint |= *p == '.';
        keep(*p);
    }
    if (!sawDigit) return 0.0;
    if (at(p, isExponentLetter)) {
        const char* sign = p + 1;
        const char* digits = at(sign, isSign) ? sign + 1 : sign;
        if (at(digits, IsDigit)) {
            keep('e');
            if (digits != sign) keep(*sign);
            for (; at(digits, IsDigit); ++digits) keep(*digits);
        }
    }
    number[length] = '\0';
    return StrtodC(number);
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
