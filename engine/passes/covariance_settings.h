// The covariance header of a group of GPS vectors (COV, WGT or GENC): its
// settings, and how they turn each vector's block into its covariance.
#pragma once

#include <optional>
#include <vector>

#include <iob/conversion_settings.h>

#include "reading/record_view.h"
#include "writing/records.h"

namespace iob {

// What a covariance header's record type says of its group, decided here
// alone: what its ELEM values are, and how the group completes.
struct CovarianceKind {
    const char* recordType;  // as the passes compare it: "COV ", "WGT ", "GENC", "CORR"
    // The ELEM values are weights, in the inverse square of their record's
    // unit; the covariances are the inverse of the whole weight matrix, so
    // the weights that couple two vectors are kept for the inversion.
    // Otherwise they are covariances, in the square of the unit.
    bool weights;
    // The group's matrix comes from the header's constants alone, and the
    // group is complete at the header: no ELEM follows.
    bool generated;
    // The ELEM values are a correlation matrix, of no unit, and after it the
    // standard deviations of the group's components, each in its record's
    // unit: the covariance of components i and j is (sd_i r_ij) sd_j.
    bool correlations;

    bool KeepsCouplings() const { return weights; }
    bool Inverts() const { return weights; }
    // An ELEM value of the matrix in metres, from `value` in a record whose
    // unit is `unitFactor` metres.
    double ElementValue(double value, double unitFactor) const {
        if (correlations) return value;
        const double squareFactor = unitFactor * unitFactor;
        return weights ? value / squareFactor : value * squareFactor;
    }
};

// COV, the kind of a group that no header has set.
extern const CovarianceKind kCovariances;

// The kind of the covariance header `recordType`, or null for any other record.
const CovarianceKind* FindCovarianceKind(const char* recordType);

// The settings of a group's covariance header and their values when no
// header set them.
struct CovarianceSettings {
    const CovarianceKind* kind = &kCovariances;
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

// Reads a covariance header of `kind` into `cov`; a value the record leaves
// blank keeps what an earlier header set. Returns false, with `frame`
// holding the offending text, for a frame other than "CT" or "LG".
bool ReadCovarianceHeader(const RecordView& record, const CovarianceKind& kind, const ConversionSettings& settings,
                          CovarianceSettings& cov, char (&frame)[3]);

// Applies the group's settings to each vector's block, giving its covariance
// in the group's frame.
void ApplyCovarianceSettings(const CovarianceSettings& cov, std::vector<VectorRecord>& vectors);

}  // namespace iob
