// The conversion of one GeoLab IOB file into one QUORVANE input file.
//
// The IOB file is read three times from its start, and the output written in
// one forward sweep:
//   pass 1  TITL, ELIP, LUNT     -> comment lines, $DATUM / $UNITS / $NETTYP
//   pass 2  PLH, PLO             -> one $GEO_COMPACT line per station
//   pass 3  DXYZ, COV, ELEM      -> one $GPS_COMPACT line per vector, group by group
#pragma once

#include <string>

#include "result_codes.h"
#include "text_stream.h"

// The datum and unit settings; they outlive a conversion, so a file without
// ELIP or LUNT records converts with what the previous conversion left.
struct ConversionSettings {
    std::string datumName = "NAD 83";
    double semiMajorAxis = 6378137.0;       // metres
    double inverseFlattening = 298.2572221;  // ten significant digits, as given
    std::string customUnitCode = "m";       // stored, never read
    double customUnitFactor = 1.0;          // metres per unit, for codes outside the unit table
};

// Converts `input` (positioned at its start) into `output` (empty). Never
// opens or closes a stream. `result` ends as kResultOk or the failure's
// message number; after kResultReadError `lineCounter` names the failing line
// of the pass that failed. Unsupported settings and misplaced element values
// (5111, 5112) are shown through ShowMessage before the call returns.
void ConvertIobFile(ConversionSettings& settings, TextReader& input, TextWriter& output,
                    int& lineCounter, int& result);
