// The covariance header of a group of GPS vectors (COV, WGT or GENC): its
// settings, and how they turn each vector's block into its covariance.
#pragma once

#include <optional>
#include <vector>

#include "reading/record_view.h"
#include "writing/records.h"

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

// Reads a COV, WGT or GENC record into `cov`; a value the record leaves
// blank keeps what an earlier header set. Returns false, with `frame`
// holding the offending text, for a frame other than "CT" or "LG".
bool ReadCovarianceHeader(const RecordView& record, double customUnitFactor, CovarianceSettings& cov, char (&frame)[3]);

// Applies the group's settings to each vector's block, giving its covariance
// in the group's frame.
void ApplyCovarianceSettings(const CovarianceSettings& cov, std::vector<VectorRecord>& vectors);

}  // namespace iob
