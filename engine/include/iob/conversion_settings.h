// The datum and unit settings that a conversion reads and changes.
#pragma once

#include <string>

namespace iob {

// The datum and unit settings; they outlive a conversion, so a file without
// ELIP or LUNT records converts with what the previous conversion left.
struct ConversionSettings {
    std::string datumName = "NAD 83";
    double semiMajorAxis = 6378137.0;        // metres
    double inverseFlattening = 298.2572221;  // ten significant digits, as given
    double customUnitFactor = 1.0;           // metres per unit, for codes outside the unit table

    // Whether the datum is the one a first conversion starts with.
    bool HasDefaultDatum() const {
        const ConversionSettings defaults;
        return datumName == defaults.datumName && semiMajorAxis == defaults.semiMajorAxis &&
               inverseFlattening == defaults.inverseFlattening;
    }
};

}  // namespace iob
