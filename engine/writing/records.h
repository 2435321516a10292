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
    // than 61 bits).
    LineNumber line : 61;
    bool latitudeFixed : 1;
    bool longitudeFixed : 1;
    bool heightFixed : 1;
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

}  // namespace iob
