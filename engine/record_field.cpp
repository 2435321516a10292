#include "record_field.h"

#include <cstring>

namespace iob {

bool IsLongLayout(const char* line, int length) {
    constexpr int kLayoutMarkerColumn = 10;
    return length >= kLayoutMarkerColumn && line[kLayoutMarkerColumn - 1] == '*';
}

void ExtractName(const char* line, int length, Field field, int maxLength, char (&name)[16]) {
    // Trimmed where it stands, then copied: what cutting the field and
    // trimming the copy gives, without the copy.
    int first = field.column - 1;
    int end = first + field.width < length ? first + field.width : length;
    while (first < end && IsBlankByte(line[first])) ++first;
    while (end > first && IsBlankByte(line[end - 1])) --end;
    const int count = end - first < maxLength ? end - first : maxLength;
    if (count <= 0) {
        name[0] = '\0';
        return;
    }
    std::memcpy(name, line + first, static_cast<std::size_t>(count));
    name[count] = '\0';
}

bool RefuseNameWithSemicolon(const char* name, ConversionOutcome& outcome) {
    if (std::strchr(name, ';') == nullptr) return false;
    outcome.result = kResultSemicolonInName;
    outcome.failingText = name;
    return true;
}

double ExtractUnitFactor(const char* line, int length, Field field, double customUnitFactor) {
    // Copied byte by byte: a call to cut the field cost more than the
    // look-up, and nearly every ELEM record has a code.
    constexpr int kMaxCodeLength = 2;
    char code[kMaxCodeLength + 1] = {};
    const int first = field.column - 1;
    for (int i = 0; i < field.width && i < kMaxCodeLength && first + i < length; ++i) code[i] = line[first + i];
    return UnitFactor(code, customUnitFactor);
}

}  // namespace iob
