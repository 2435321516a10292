// The header pass: TITL records become comment lines; ELIP and LUNT records
// set the datum and the custom unit of the header block and the passes after.
#pragma once

#include <iob/conversion_outcome.h>
#include <iob/conversion_settings.h>
#include <iob/output_syntax.h>
#include <iob/text_stream.h>

#include "passes/station_pass.h"

namespace iob {

// Every TITL record gives its comment line at once; ELIP and LUNT records
// set `settings`. The ELIP comment waits for the line before $DATUM, and a
// later TITL record drops it: `ellipsoidComment` tells whether it is still
// due. This pass sees every record, so it also accounts in the report for
// those that no pass converts, for the data lines after an END record, and
// for a datum other than the default that it kept for want of an ELIP record;
// in the `syntax` that converts the observations, it leaves them to the
// vector pass. The first ANGT record's line goes to `settings`, the count of
// the station records to `stationRecords`.
// Sets the result to 5014 on a read error, 5013
// on a write error and 5114 for a LUNT factor that is not a finite positive number.
void ReadHeaderRecords(ConversionSettings& settings, OutputSyntax syntax, TextReader& input, TextWriter& output,
                       bool& ellipsoidComment, StationRecordCounts& stationRecords, ConversionOutcome& outcome);

}  // namespace iob
