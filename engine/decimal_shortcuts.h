// Exact shortcuts for the numbers that IOB and QUORVANE files are made of:
// a few significant digits in, a fixed number of decimals out. Each gives
// bit for bit what the general path gives (strtod, to_chars), or declines
// and leaves the work to it.
#pragma once

#include <string>

namespace iob {

// Reads the number at the start of the text from `text` to `end`, of the form
//   [white space] [+|-] digits-and-at-most-one-point [(E|e|D|d) [+|-] digits]
// as ParseNumber does (what follows the number is ignored). Declines,
// returning false, for text that holds no digit, for more than 19 digits
// or 4 exponent digits, and for values that one rounding cannot give:
// more than 2^53 in the digits, or a power of ten beyond 10^22.
bool ReadShortDecimal(const char* text, const char* end, double& value);

// Appends finite `value` with 1 to 12 `decimals` as printf's "%1.<d>f" in
// the C locale does. Declines, appending nothing, for other values and
// when the rounded value times 10^decimals reaches 2^64.
bool AppendShortFixed(std::string& out, double value, int decimals);

}  // namespace iob
