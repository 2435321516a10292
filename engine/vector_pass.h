// The GPS vector pass: groups of DXYZ vectors with the settings of their
// covariance header (COV, WGT or GENC) and their ELEM elements become
// $GPS_COMPACT lines, one per vector.
#pragma once

#include <optional>
#include <utility>
#include <vector>

#include <iob/convert.h>

#include "records.h"

namespace iob {

// The settings of a group's covariance header (COV, WGT or GENC) and their
// values when no header set them.
struct CovarianceSettings {
    bool weights = false;         // WGT: the ELEM values are weights, the covariances their inverse
    bool localFrame = false;      // LG: north, east, up at the from-station, turned into CT when written
    bool diagonal = false;        // the ELEM values are the variances (or weights) only
    double commonAddend = 0.0;    // value 1, added to every variance and covariance
    double commonScale = 1.0;     // value 2, scales all six numbers
    double varianceAddend = 0.0;  // value 3
    double varianceScale = 1.0;   // value 4
    double distancePpm = 0.0;     // value 5, parts per million of the vector length
    // Added to the height (Z or up) variance before the scales, and scaling
    // it after them; a blank field skips its step.
    std::optional<double> heightAddend;
    std::optional<double> heightScale;
};

// The 1-based (row, column) of the k-th ELEM value of a group whose matrix
// has order n: along the rows of the upper triangle, or down the diagonal.
// n = 3: k = 1..6 -> (1,1) (1,2) (1,3) (2,2) (2,3) (3,3). Needs 1 <= k <= the
// group's target (n(n+1)/2, or n when diagonal).
std::pair<long long, long long> PackedIndex(long long n, long long k, bool diagonal);

// Applies the group's settings to each vector's block, giving its covariance
// in the group's frame.
void ApplyCovarianceSettings(const CovarianceSettings& cov, std::vector<VectorRecord>& vectors);

// Converts every complete group of the input; `stations` are the positions
// that local covariances are turned at. Sets the result to 5014 on a read
// error, 5013 on a write error, 5111 for a frame other than "CT" or "LG",
// 5112 for an ELEM value beyond its group's target, 5113 for a station name
// holding ';', 5115 for a CORR record, 5116 for a local covariance whose
// from-station has no position and 5117 for a weight matrix that cannot be
// inverted. Throws std::bad_alloc when a group cannot grow.
void ConvertVectorGroups(const ConversionSettings& settings, const StationTable& stations, TextReader& input,
                         TextWriter& output, ConversionOutcome& outcome);

}  // namespace iob
