// Byte classes and letter case of the C locale, whatever the process locale says.
#pragma once

namespace iob {

inline bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

// Space, tab, LF, VT, FF and CR: what isspace gives in the C locale.
inline bool IsCSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// Only A to Z fold, so that no byte of a UTF-8 name is misread.
inline char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

inline bool EqualIgnoringAsciiCase(const char* a, const char* b) {
    for (; *a != '\0' && *b != '\0'; ++a, ++b) {
        if (AsciiLower(*a) != AsciiLower(*b)) return false;
    }
    return *a == *b;
}

}  // namespace iob
