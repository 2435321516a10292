// The records that the station and vector passes read and the output
// format writes: one station, one GPS vector with its covariance.
#pragma once

#include <deque>

#include <iob/conversion_report.h>

namespace iob {

// One station position. Angles are packed sexagesimal DD.MMSSsssss,
// negative south and west; the height is in metres.
struct StationRecord {
    char name[16];  // trimmed; at most 12 bytes (short layout) or 15 (long layout), the rest zeros
    double latitude;
    double longitude;
    double height;
    // Latitude and longitude in decimal degrees, for turning local covariances.
    double latitudeDegrees;
    double longitudeDegrees;
    // The line of its PLH or PLO record, and the components that record
    // holds fixed (columns 7, 8 and 9): bits beside the line, so that the
    // fix flags cost no byte of a large table (a line number needs no more
    // than 60 bits, see SetLine).
    LineNumber line : 61;
    bool latitudeFixed : 1;
    bool longitudeFixed : 1;
    bool heightFixed : 1;

    void SetLine(LineNumber number) { line = number & kLargestLine; }
    static constexpr LineNumber kLargestLine = (LineNumber{1} << 60) - 1;  // a trillion lines and more
};

// Stations in file order. A deque grows without copying what it holds, so
// the table never needs twice its size while growing.
using StationTable = std::deque<StationRecord>;

// The six numbers of a symmetric 3 x 3 covariance, in square metres.
struct Covariance {
    double xx, xy, yy, xz, yz, zz;
};

// One baseline vector and its own 3 x 3 block of the group's element matrix.
// Elements that couple two vectors are never written, so they are not kept:
// storage grows with the vectors, not with their square.
struct VectorRecord {
    char fromStation[16];  // trimmed; at most 12 bytes (short layout) or 15 (long layout)
    char toStation[16];
    double dX, dY, dZ;            // metres
    double block[3][3];           // element (row, column) of the block as read, row <= column
    double standardDeviation[3];  // metres, of a group of correlations (CORR)
    Covariance covariance;        // the block with the group's COV settings applied
};

// One terrestrial observation, as the single-line syntax writes it.
struct ObservationRecord {
    enum class Kind : unsigned char {
        kDistance,         // a slope distance (DIST)
        kAzimuth,          // an astronomic azimuth, from the north (AZIM)
        kZenithAngle,      // a zenith angle (ZANG)
        kHorizontalAngle,  // clockwise at the at-station from the backsight to the foresight (ANGL)
    };
    Kind kind;
    char atStation[16];        // trimmed and cut as station names are; the from-station of DIST, AZIM, ZANG
    char toStation[16];        // the foresight of an angle
    char backsight[16];        // of a horizontal angle only: ANGL's from-station
    double value;              // metres, or an angle packed DD.MMSSsssss
    double standardDeviation;  // metres, or seconds of arc
    double instrumentHeight;   // metres, of the at-station
    double targetHeight;       // metres, at the to-station
};

}  // namespace iob
