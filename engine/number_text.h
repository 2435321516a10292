// Numbers to and from text, always with a point as decimal separator,
// whatever the process locale says.
#pragma once

#include <cstddef>
#include <string>

namespace iob {

// Reads the longest prefix of `text` that has the form
//   [white space] [+|-] digits-and-at-most-one-point [(E|e|D|d) [+|-] digits]
// and returns its value; text without a digit gives +0.0.
//   "1.5D+02" -> 150.0     "  -12.5abc" -> -12.5     "abc" -> 0.0
//   "-0" -> -0.0           "1e999" -> inf            "1.5e" -> 1.5
//   "inf", "nan", "0x10" -> 0.0 (only the leading 0 of "0x10" is a number)
//   "+-1", "-+1", "--1" -> 0.0 (one sign at most)
// White space is space, tab, LF, VT, FF and CR. Values are exact (correctly
// rounded), out of range ones give +/-inf or +/-0.
double ParseNumber(const char* text);
// The same for the bytes from `text` up to `end`, read in place.
double ParseNumber(const char* text, const char* end);

// The longest text of WriteFixed: a sign, the 309 integer digits of the
// largest double, the point and 12 decimals.
constexpr std::size_t kMaxFixedLength = 323;

// Writes `value` at `out` in fixed notation with 0 to 12 `decimals`, as
// printf's "%1.<decimals>f" does in the C locale, and returns the end of the
// text: -0.0 gives "-0.00000", non-finite values give "inf", "-inf", "nan"
// or "-nan".
char* WriteFixed(char* out, double value, int decimals);

// The same, appended to `out`.
void AppendFixed(std::string& out, double value, int decimals);

}  // namespace iob
