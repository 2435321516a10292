// The datum and unit settings that a conversion reads and changes.
#pragma once

#include <string>

namespace iob {

// The datum and unit settings of one conversion: the defaults until the
// file's ELIP and LUNT records set them. Every conversion starts afresh.
struct ConversionSettings {
    std::string datumName = "NAD 83";
    double semiMajorAxis = 6378137.0;        // metres
    double inverseFlattening = 298.2572221;  // ten significant digits, as given
    std::string customUnitCode;              // the LUNT record's, trimmed: its values take the factor below
    double customUnitFactor = 1.0;           // metres per unit, for codes outside the unit table
    // The line of the file's ANGT record, 0 when it has none: its angle unit
    // is not read, so no angle of the file is converted.
    long long angleUnitLine = 0;
};

}  // namespace iob
