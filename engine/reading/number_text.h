// Numbers read from the text of a field, always with a point as decimal
// separator, whatever the process locale says.
#pragma once

#include <cstddef>

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
// The bytes from `text` up to `end` are read in place.
double ParseNumber(const char* text, const char* end);

// A number read, and where it ends in the text: the text's start when it
// holds none.
struct NumberRead {
    double value;
    const char* stop;
};

// ParseNumber, with where the number ends. Two words, so that they come
// back in registers: every number of every record is read through it.
NumberRead ReadNumber(const char* text, const char* end);

}  // namespace iob
