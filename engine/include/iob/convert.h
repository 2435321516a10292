// The conversion of one GeoLab IOB file into one QUORVANE input file.
//
// The IOB file is read three times from its start, and the output written in
// one forward sweep; in the compact syntax:
//   pass 1  TITL, ELIP, LUNT     -> comment lines, $DATUM / $UNITS / $NETTYP
//   pass 2  PLH, PLO             -> one $GEO_COMPACT line per station
//   pass 3  DXYZ, COV, ELEM      -> one $GPS_COMPACT line per vector, group by group
// and in the single-line syntax:
//   pass 1  TITL, ELIP, LUNT     -> comment lines, _DATUM / _UNITS
//   pass 2  PLH, PLO             -> fix lines and one _STA_COORD line per station
//   pass 3  DXYZ, COV, ELEM      -> one _OBS_GPS_SET line per vector, group by group,
//           DIST, AZIM, ZANG     -> one _OBS_AZ_SET line each (and _REFRACTION),
//           ANGL                 -> one _OBS_HA_SET line each, with the HI and HT heights
// The engine reads and writes streams only: it opens no file and shows no
// message; <iob/convert_files.h> does both for the dialog and the command line.
#pragma once

#include <iob/conversion_outcome.h>
#include <iob/conversion_settings.h>
#include <iob/output_syntax.h>
#include <iob/text_stream.h>

namespace iob {

// Converts `input` (positioned at its start) into `output` (empty). Never
// opens or closes a stream and shows nothing. Flushes `output` before each
// rewind and at the end, so that a write error is found before a failing
// rewind or the caller could misreport it; after a write error the report
// counts only the lines that the last successful flush took to the file.
[[nodiscard]] ConversionOutcome RunConversion(ConversionSettings& settings, TextReader& input, TextWriter& output,
                                              OutputSyntax syntax = OutputSyntax::kCompact);

}  // namespace iob
