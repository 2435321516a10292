// Byte classes of the C locale, whatever the process locale says.
#pragma once

namespace iob {

inline bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

// Space, tab, LF, VT, FF and CR: what isspace gives in the C locale.
inline bool IsCSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

}  // namespace iob
