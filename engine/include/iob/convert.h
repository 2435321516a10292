// The conversion of one GeoLab IOB file into one QUORVANE input file.
//
// The IOB file is read three times from its start, and the output written in
// one forward sweep:
//   pass 1  TITL, ELIP, LUNT     -> comment lines, $DATUM / $UNITS / $NETTYP
//   pass 2  PLH, PLO             -> one $GEO_COMPACT line per station
//   pass 3  DXYZ, COV, ELEM      -> one $GPS_COMPACT line per vector, group by group
// The engine reads and writes streams only: it opens no file and shows no
// message; <iob/convert_files.h> does both for the dialog and the command line.
#pragma once

#include <string>

#include <iob/conversion_report.h>
#include <iob/result_codes.h>
#include <iob/text_stream.h>

namespace iob {

// The datum and unit settings; they outlive a conversion, so a file without
// ELIP or LUNT records converts with what the previous conversion left.
struct ConversionSettings {
    std::string datumName = "NAD 83";
    double semiMajorAxis = 6378137.0;        // metres
    double inverseFlattening = 298.2572221;  // ten significant digits, as given
    std::string customUnitCode = "m";        // stored, never read
    double customUnitFactor = 1.0;           // metres per unit, for codes outside the unit table
};

// How a conversion ended, and what its message needs to say so.
struct ConversionOutcome {
    int result = kResultOk;  // a ResultCode
    // The line of the pass that failed, counted from 1: meaningful after 5014
    // (0 when the input could not be rewound) and 5112 to 5117. It counts the
    // lines of the pass running, so otherwise it is the last pass's last line.
    int failingLine = 0;
    // What the message quotes: the setting (5111) or the station name (5113,
    // 5116) as read, and the type of the record that holds it (5111, 5112, 5115).
    std::string failingText;
    std::string failingRecordType;
    // What was written, and what was read but not converted; after a
    // failure, as far as the conversion came.
    ConversionReport report;
};

// Converts `input` (positioned at its start) into `output` (empty). Never
// opens or closes a stream and shows nothing. Flushes `output` before each
// rewind and at the end, so that a write error is found before a failing
// rewind or the caller could misreport it; after a write error the report
// counts only the lines that the last successful flush took to the file.
[[nodiscard]] ConversionOutcome RunConversion(ConversionSettings& settings, TextReader& input, TextWriter& output);

}  // namespace iob
