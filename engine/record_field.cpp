#include "record_field.h"

#include <cstring>

namespace iob {

bool IsLongLayout(const char* line, int length) {
    constexpr Field kLayoutMarker = {10, 1};
    char marker[kLayoutMarker.width + 1];
    return std::strcmp(ExtractField(kLayoutMarker.column, kLayoutMarker.width, line, length, marker), "*") == 0;
}

void ExtractName(const char* line, int length, Field field, int maxLength, char (&name)[16]) {
    char text[32];
    ExtractField(field.column, field.width, line, length, text);
    TrimBoth(text);
    text[maxLength] = '\0';
    std::strcpy(name, text);
}

bool RefuseNameWithSemicolon(const char* name, ConversionOutcome& outcome) {
    if (std::strchr(name, ';') == nullptr) return false;
    outcome.result = kResultSemicolonInName;
    outcome.failingText = name;
    return true;
}

double ExtractUnitFactor(const char* line, int length, Field field, double customUnitFactor) {
    char code[3];
    return UnitFactor(ExtractField(field.column, field.width, line, length, code), customUnitFactor);
}

}  // namespace iob
