// The station pass: PLH and PLO records become $GEO_COMPACT lines.
#pragma once

#include <iob/conversion_outcome.h>
#include <iob/conversion_settings.h>
#include <iob/text_stream.h>

#include "records.h"

namespace iob {

// Reads the fields of one PLH or PLO line (trailing blanks removed).
// `customUnitFactor` applies to height unit codes outside the unit table.
StationRecord ParseStationRecord(const char* line, int lineLength, double customUnitFactor);

// Collects every station record of the input into `stations`. Sets the result
// to 5014 on a read error; throws std::bad_alloc when the table cannot grow.
void CollectStations(const ConversionSettings& settings, TextReader& input, StationTable& stations,
                     ConversionOutcome& outcome);

}  // namespace iob
