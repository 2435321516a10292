// The tests give numbers as whole NUL-ended texts; the engine reads them
// in place, between two pointers.
#pragma once

#include <cstring>

#include "reading/number_text.h"

namespace iob {

inline double ParseNumber(const char* text) { return ParseNumber(text, text + std::strlen(text)); }

}  // namespace iob
