#include "reading/number_text.h"

#include <cstring>
#include <string>
#include <system_error>

#include <fast_float/fast_float.h>

#include "reading/char_class.h"
#include "reading/portability.h"

namespace iob {

namespace {

// Reads the number from `p` to the D exponent's digits after `letter` again,
// with the letter spelled 'e', into `value`; gives where the exponent ends,
// or `letter` when no digit follows it (the number ends before the letter).
const char* ReadDExponent(const char* p, const char* letter, const char* end, double* value) {
    const char* exponent = letter + 1 < end && (letter[1] == '+' || letter[1] == '-') ? letter + 2 : letter + 1;
    if (!(exponent < end && IsAsciiDigit(*exponent))) return letter;
    while (exponent < end && IsAsciiDigit(*exponent)) ++exponent;
    // Any field of a record fits on the stack; only longer texts take the heap.
    const std::size_t length = static_cast<std::size_t>(exponent - p);
    char onStack[100];
    std::string onHeap;
    char* spelled = onStack;
    if (length > sizeof onStack) {
        onHeap.assign(p, length);
        spelled = onHeap.data();
    } else {
        std::memcpy(spelled, p, length);
    }
    spelled[letter - p] = 'e';
    fast_float::from_chars(spelled, spelled + length, *value);
    return exponent;
}

}  // namespace

NumberRead ReadNumber(const char* text, const char* end) {
    const char* p = text;
    // Numbers stand right-aligned in their fields: skip spaces 8 at a time first.
    for (int spaces = 8; spaces == 8 && end - p >= 8; p += spaces) spaces = LeadingSpacesOf8(p);
    while (p < end && IsCSpace(*p)) ++p;
    // fast_float reads the grammar's [-] digits-and-a-point [exponent] exactly
    // and in no locale; what it reads beyond that ("inf", "nan") must not
    // start the text. One sign at most: "+-1" is no number, so a digit or the
    // point must follow it, and a '+', which fast_float does not read, is
    // passed over only then.
    const char* digits = p < end && (*p == '+' || *p == '-') ? p + 1 : p;
    if (!(digits < end && (IsAsciiDigit(*digits) || *digits == '.'))) return {0.0, text};
    if (*p == '+') p = digits;
    double value = 0.0;
    fast_float::from_chars_result read = fast_float::from_chars(p, end, value);
    if (read.ec != std::errc()) return {0.0, text};  // a point without a digit
    // A D exponent (FORTRAN's) is read again with the letter spelled 'e'.
    const char* letter = read.ptr;
    if (letter == end || (*letter != 'D' && *letter != 'd')) return {value, letter};
    const char* after = ReadDExponent(p, letter, end, &value);
    return {value, after};
}

double ParseNumber(const char* text, const char* end) { return ReadNumber(text, end).value; }

}  // namespace iob
