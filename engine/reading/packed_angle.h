// Angles as the IOB file gives them, in degrees, minutes and seconds, and as
// the QUORVANE file writes them: packed sexagesimal DD.MMSSsssss.
#pragma once

#include <cmath>

namespace iob {

// Degrees + minutes x 0.01 + seconds x 0.0001: 45 30 12.3456 -> 45.30123456.
// A minus sign on the degrees (even on "-0") negates the whole angle,
// minutes and seconds too: -45 30 -> -45.30, not -44.70. The sums are made
// in this order, so that every writer of an angle gives the same digits.
inline double PackedAngle(double degrees, double minutes, double seconds) {
    if (std::signbit(degrees)) return ((std::fabs(degrees) + minutes * 0.01) + seconds * 0.0001) * -1.0;
    return (minutes * 0.01 + seconds * 0.0001) + degrees;
}

}  // namespace iob
