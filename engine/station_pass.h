// The station pass: PLH and PLO records become $GEO_COMPACT lines.
#pragma once

#include <deque>

#include "convert.h"

// One station position. Angles are packed sexagesimal DD.MMSSsssss,
// negative south and west; the height is in metres.
struct StationRecord {
    char name[16];  // trimmed; at most 12 bytes (short layout) or 15 (long layout)
    double latitude;
    double longitude;
    double height;
};

// Stations in file order. A deque grows without copying what it holds, so
// the table never needs twice its size while growing.
using StationTable = std::deque<StationRecord>;

// Reads the fields of one PLH or PLO line (trailing blanks removed).
// `customUnitFactor` applies to height unit codes outside the unit table.
StationRecord ParseStationRecord(const char* line, int lineLength, double customUnitFactor);

// Writes one $GEO_COMPACT line; sets `result` to 5013 on a write error and
// otherwise leaves it unchanged.
void WriteStationLine(const StationRecord& station, TextWriter& output, int& result);

// Collects every station record of the input into `stations`. Sets `result`
// to 5014 on a read error; throws std::bad_alloc when the table cannot grow.
void CollectStations(const ConversionSettings& settings, TextReader& input, StationTable& stations,
                     int& lineCounter, int& result);
