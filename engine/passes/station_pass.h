// The station pass: PLH and PLO records become $GEO_COMPACT lines.
#pragma once

#include <iob/conversion_outcome.h>
#include <iob/conversion_settings.h>
#include <iob/text_stream.h>

#include "passes/name_checks.h"
#include "reading/record_view.h"
#include "writing/records.h"

namespace iob {

// Reads the fields of one PLH or PLO record; `settings` give the custom unit.
StationRecord ParseStationRecord(const RecordView& record, const ConversionSettings& settings);

// The station records of a file, as the header pass counts them reading
// past: the look-ups of their names make room for them at once.
struct StationRecordCounts {
    long long records = 0;     // PLH and PLO
    long long longLayout = 0;  // of them, those of the long layout, whose names may be written at the full length
};

// Collects every station record of the input into `stations`, its name
// among the `names` written; `counts` size the look-up of names given
// twice. Sets the result to 5014 on a read error, 5113 for a name holding
// ';' and 5118 for a name written like an earlier, different one; throws
// std::bad_alloc when the table cannot grow.
void CollectStations(const ConversionSettings& settings, TextReader& input, const StationRecordCounts& counts,
                     StationTable& stations, WrittenNames& names, ConversionOutcome& outcome);

}  // namespace iob
