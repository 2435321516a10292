// Checks of the station names that reach the output.
#pragma once

#include <iob/conversion_outcome.h>

namespace iob {

// A ';' would end the name's field early in the output line, and the rest
// would read as the next value. Sets the outcome to 5113 for such a name and
// returns true.
bool RefuseNameWithSemicolon(const char* name, ConversionOutcome& outcome);

}  // namespace iob
