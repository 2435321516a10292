// The QUORVANE file in the single-line syntax: one line a record, a keyword
// and its fields each after "; ". The comment lines, the station comment and
// the group start are the compact syntax's (output_format.h), and so is the
// precision of every number:
//
//   line               field                        unit          decimals
//   _DATUM             semi-major axis              m             4
//                      inverse flattening           -             7
//   _STA_COORD         latitude, longitude          DD.MMSSsssss  10
//                      height (twice)               m             5
//   _OBS_GPS_SET       dX, dY, dZ                   m             5
//                      xx xy yy xz yz zz            m^2           12
//   _OBS_AZ_SET,       angles                       DD.MMSSsssss  10
//   _OBS_HA_SET        their standard deviations    seconds       4
//                      lengths, heights, their SDs  m             5
//   _REFRACTION        the coefficient              -             5
//
// A member of an observation set that was not observed is written NOOBS, in
// its value field and in its standard deviation field. Each writer sets the
// result to 5013 when the output failed, and never clears it.
#pragma once

#include <vector>

#include <iob/conversion_settings.h>
#include <iob/text_stream.h>

#include "writing/records.h"

namespace iob {

constexpr int kAngleDeviationDecimals = 4;
constexpr int kRefractionDecimals = 5;

// _DATUM and _UNITS (metres, packed degrees), and an empty line.
void WriteSingleLineHeader(const ConversionSettings& settings, TextWriter& output, int& result);

// The station comment line, then for each station a _LAT_NORTH_FIX,
// _LON_EAST_FIX and _HGT_FIX line for each component it holds fixed, and
// its _STA_COORD line; up to the first that fails. Returns the number of
// stations written.
long long WriteSingleLineStations(const StationTable& stations, TextWriter& output, int& result);

// One _OBS_GPS_SET line per vector, with its final covariance; none after
// one that fails.
void WriteSingleLineVectors(const std::vector<VectorRecord>& vectors, TextWriter& output, int& result);

// The empty line and the comment line that open a run of terrestrial observations.
void WriteObservationsStart(TextWriter& output, int& result);

// "_REFRACTION; K": the coefficient of the zenith angles after it.
void WriteRefractionLine(double coefficient, TextWriter& output, int& result);

// One _OBS_AZ_SET line (a distance, an azimuth or a zenith angle) or one
// _OBS_HA_SET line (a horizontal angle).
void WriteObservationLine(const ObservationRecord& observation, TextWriter& output, int& result);

}  // namespace iob
