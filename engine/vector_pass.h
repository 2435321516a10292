// The GPS vector pass: groups of DXYZ vectors with their COV settings and
// ELEM covariance elements become $GPS_COMPACT lines, one per vector.
#pragma once

#include <utility>
#include <vector>

#include <iob/convert.h>

#include "records.h"

namespace iob {

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

// Applies the group's COV settings to each vector's block, giving its covariance.
void ApplyCovarianceSettings(const CovarianceSettings& cov, std::vector<VectorRecord>& vectors);

// Converts every complete group of the input. Sets the result to 5014 on a
// read error, 5013 on a write error, 5111 for a COV setting other than "CT",
// 5112 for an ELEM value beyond its group's target, 5113 for a station name
// holding ';' and 5115 for a WGT, CORR or GENC record. Throws std::bad_alloc
// when a group cannot grow.
void ConvertVectorGroups(const ConversionSettings& settings, TextReader& input, TextWriter& output,
                         ConversionOutcome& outcome);

}  // namespace iob
