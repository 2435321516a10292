#include "read_primitives.h"

#include <cstring>

#include <iob/result_codes.h>

#include "number_text.h"

namespace iob {

char* ExtractField(int startColumn, int width, const char* line, int lineLength, char* out) {
    out[0] = '\0';
    if (startColumn > lineLength || startColumn < 1 || width < 1) return out;
    int available = lineLength - (startColumn - 1);
    int count = width < available ? width : available;
    std::memcpy(out, line + startColumn - 1, static_cast<std::size_t>(count));
    out[count] = '\0';
    return out;
}

double ExtractNumber(int startColumn, int width, const char* line, int lineLength) {
    constexpr int kMaxNumberWidth = 99;  // the size of the number buffer, less its NUL
    if (startColumn > lineLength || startColumn < 1 || width < 1) return 0.0;
    // The field is read in place: the same bytes that ExtractField would cut.
    const char* field = line + startColumn - 1;
    int available = lineLength - (startColumn - 1);
    int length = width < kMaxNumberWidth ? width : kMaxNumberWidth;
    return ParseNumber(field, field + (length < available ? length : available));
}

namespace {

struct UnitEntry {
    const char* code;
    double metresPerUnit;
};

// Searched in this order. "nm" is a hair over a metre; the nautical mile is "na".
const UnitEntry kUnitTable[] = {
    {"ch", 20.1168},      {"cm", 0.01},   {"ft", 0.3048},          {"km", 1000.0},
    {"ln", 0.201168},     {"m", 1.0},     {"mi", 1609.344},        {"mm", 0.001},
    {"nm", 1.0000135965}, {"na", 1852.0}, {"us", 0.3048006096012}, {"um", 1609.347218694},
};

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualIgnoringAsciiCase(const char* a, const char* b) {
    for (; *a != '\0' && *b != '\0'; ++a, ++b) {
        if (AsciiLower(*a) != AsciiLower(*b)) return false;
    }
    return *a == *b;
}

}  // namespace

double UnitFactor(const char* code, double customFactor) {
    if ((code[0] == 'm' || code[0] == 'M') && code[1] == '\0') return 1.0;  // by far the most frequent
    for (const UnitEntry& unit : kUnitTable) {
        if (AsciiLower(code[0]) != unit.code[0]) continue;  // the table's codes are lower case
        if (EqualIgnoringAsciiCase(code, unit.code)) return unit.metresPerUnit;
    }
    return customFactor;
}

}  // namespace iob
