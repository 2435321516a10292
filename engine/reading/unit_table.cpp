#include "reading/unit_table.h"

#include "reading/char_class.h"

namespace iob {
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

}  // namespace

const double* FindUnitFactor(const char* code) {
    static constexpr double kMetre = 1.0;
    if ((code[0] == 'm' || code[0] == 'M') && code[1] == '\0') return &kMetre;  // by far the most frequent
    for (const UnitEntry& unit : kUnitTable) {
        if (AsciiLower(code[0]) != unit.code[0]) continue;  // the table's codes are lower case
        if (EqualIgnoringAsciiCase(code, unit.code)) return &unit.metresPerUnit;
    }
    return nullptr;
}

double UnitFactor(const char* code, double customFactor) {
    const double* factor = FindUnitFactor(code);
    return factor != nullptr ? *factor : customFactor;
}

}  // namespace iob
