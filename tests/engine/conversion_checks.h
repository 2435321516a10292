// What holds for the conversion of any input whatever: a known result, one
// message exactly for the results that the conversion reports itself, and
// an output made of whole CR LF lines that begins with the header pass.
#pragma once

#include <string>

#include "conversion_run.h"

namespace iob {

// The empty text when all holds for a conversion into `syntax`, otherwise what does not.
std::string CheckConversion(const Conversion& run, OutputSyntax syntax = OutputSyntax::kCompact);

}  // namespace iob
