// The GPS vector pass: groups of DXYZ vectors with their COV settings and
// ELEM covariance elements become $GPS_COMPACT lines, one per vector.
#pragma once

#include <utility>
#include <vector>

#include "convert.h"

// One baseline vector and its own 3 x 3 covariance block of the group's
// element matrix. Elements that couple two vectors are never written, so
// they are not kept: storage grows with the vectors, not with their square.
struct VectorRecord {
    char fromStation[16];  // trimmed; at most 12 bytes (short layout) or 15 (long layout)
    char toStation[16];
    double dX, dY, dZ;     // metres
    double block[3][3];    // element (row, column) of the block, row <= column
};

// The COV settings of a group and their values when no COV record set them.
struct CovarianceSettings {
    bool diagonal = false;     // the ELEM values are the variances only
    double commonAddend = 0.0; // value 1, added to every variance and covariance
    double commonScale = 1.0;  // value 2, scales all six numbers
    double varianceAddend = 0.0;  // value 3
    double varianceScale = 1.0;   // value 4
    double distancePpm = 0.0;     // value 5, parts per million of the vector length
};

// The 1-based (row, column) of the k-th ELEM value of a group whose matrix
// has order n: along the rows of the upper triangle, or down the diagonal.
// n = 3: k = 1..6 -> (1,1) (1,2) (1,3) (2,2) (2,3) (3,3). Needs 1 <= k <= the
// group's target (n(n+1)/2, or n when diagonal).
std::pair<long long, long long> PackedIndex(long long n, long long k, bool diagonal);

// Writes one $GPS_COMPACT line per vector. On a write error sets `result` to
// 5013 and writes no further vector; otherwise leaves `result` unchanged.
void WriteVectorLines(const std::vector<VectorRecord>& vectors, const CovarianceSettings& cov,
                      TextWriter& output, int& result);

// Converts every complete group of the input. Sets `result` to 5014 on a
// read error, 5013 on a write error, 5111 for a COV setting other than "CT"
// and 5112 for an ELEM value beyond its group's target; the last two are
// shown through ShowMessage. Throws std::bad_alloc when a group cannot grow.
void ConvertVectorGroups(const ConversionSettings& settings, TextReader& input, TextWriter& output,
                         int& lineCounter, int& result);
