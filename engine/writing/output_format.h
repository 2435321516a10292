// The QUORVANE output file, line by line: every writer of an output line,
// and the precision of every number in it.
//
//   line               field                    unit          decimals
//   comment lines      TITL title, record names -             -
//   $DATUM             datum name               -             -
//                      semi-major axis          m             4
//                      inverse flattening       -             7
//   $GEO_COMPACT       latitude, longitude      DD.MMSSsssss  10
//                      height (twice)           m             5
//   $GPS_COMPACT       dX, dY, dZ               m             5
//                      xx xy yy xz yz zz        m^2           12
//
// Each writer tests the output's error indicator after writing and then sets
// the result code to 5013; the indicator stays set, so every later writer
// reports 5013 again. WriteTextLine and WriteHeaderBlock first set the result
// to 0; the record writers never clear it.
#pragma once

#include <cstddef>
#include <vector>

#include <iob/conversion_settings.h>
#include <iob/result_codes.h>
#include <iob/text_stream.h>

#include "writing/records.h"

namespace iob {

constexpr int kSemiMajorAxisDecimals = 4;
constexpr int kInverseFlatteningDecimals = 7;
constexpr int kAngleDecimals = 10;
constexpr int kLengthDecimals = 5;
constexpr int kCovarianceDecimals = 12;

// Writes `text` and a line end; the empty text is written as one blank.
void WriteTextLine(TextWriter& output, const char* text, int& result);

// "! IOB File Record Type TITL - " and the title.
void WriteTitleLine(TextWriter& output, const char* title, int& result);

// The line before $DATUM: "! IOB File Record Type ELIP" when an ELIP record
// set the datum after the last TITL record, else one blank.
void WriteDatumCommentLine(TextWriter& output, bool ellipsoidComment, int& result);

// The 13 lines of $DATUM, $UNITS and $NETTYP.
void WriteHeaderBlock(const ConversionSettings& settings, TextWriter& output, int& result);

// One $GEO_COMPACT line.
void WriteStationLine(const StationRecord& station, TextWriter& output, int& result);

// The comment line before the stations.
void WriteStationComment(TextWriter& output, int& result);

// The station comment line and one $GEO_COMPACT line per station, up to the
// first that fails. Returns the number of station lines written.
long long WriteStationLines(const StationTable& stations, TextWriter& output, int& result);

// The line of one blank and the group comment line that open a group.
void WriteGroupStart(TextWriter& output, int& result);

// One $GPS_COMPACT line per vector, with its final covariance; none after
// one that fails.
void WriteVectorLines(const std::vector<VectorRecord>& vectors, TextWriter& output, int& result);

}  // namespace iob
