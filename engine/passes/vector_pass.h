// The GPS vector pass: groups of DXYZ vectors with the settings of their
// covariance header (COV, WGT, GENC or CORR) and their ELEM elements become
// $GPS_COMPACT lines, one per vector.
#pragma once

#include <iob/conversion_outcome.h>
#include <iob/conversion_settings.h>
#include <iob/output_syntax.h>
#include <iob/text_stream.h>

#include "passes/covariance_settings.h"
#include "passes/name_checks.h"
#include "passes/vector_group.h"
#include "writing/records.h"

namespace iob {

// Converts every complete group of the input; `stations` are the positions
// that local covariances are turned at. Sets the result to 5014 on a read
// error, 5013 on a write error, 5111 for a frame other than "CT" or "LG",
// 5112 for an ELEM value beyond its group's target, 5113 for a station name
// holding ';', 5118 for a name written like an earlier, different one (a
// station's among them), 5116 for a local covariance whose from-station has
// no position and 5117 for a weight matrix that cannot be inverted. Throws std::bad_alloc when a group cannot grow.
// In the single-line syntax it converts the terrestrial observations too, as
// they are read.
void ConvertVectorGroups(const ConversionSettings& settings, OutputSyntax syntax, const StationTable& stations,
                         WrittenNames& names, TextReader& input, TextWriter& output, ConversionOutcome& outcome);

}  // namespace iob
