#include "passes/covariance_settings.h"

#include <cmath>
#include <cstring>

#include "reading/record_types.h"

namespace iob {

const CovarianceKind kCovariances = {"COV ", false, false, false};

namespace {

const CovarianceKind kWeights = {"WGT ", true, false, false};
const CovarianceKind kGenerated = {"GENC", false, true, false};
const CovarianceKind kCorrelations = {"CORR", false, false, true};

// Columns of the covariance headers COV, WGT, GENC and CORR: the frame, the form
// (UPPR or DIAG), values 1 to 5, the height terms and the unit of the addends.
constexpr Field kHeaderFrame = {7, 2};  // CT or LG
constexpr Field kHeaderForm = {10, 4};  // DIAG, or anything else for the upper triangle
constexpr Field kHeaderValues[5] = {{15, 10, Accepts::kNumber},
                                    {26, 10, Accepts::kNumber},
                                    {37, 10, Accepts::kNumber},
                                    {48, 10, Accepts::kNumber},
                                    {59, 10, Accepts::kNumber}};
constexpr Field kHeightAddend = {70, 10, Accepts::kNumber};
constexpr Field kHeightScale = {81, 10, Accepts::kNumber};
constexpr Field kHeaderUnit = {92, 2, Accepts::kUnitCode};
constexpr UnreadColumns kHeaderUnread =
    ColumnsBetween({kHeaderFrame, kHeaderForm, kHeaderValues[0], kHeaderValues[1], kHeaderValues[2], kHeaderValues[3],
                    kHeaderValues[4], kHeightAddend, kHeightScale, kHeaderUnit});

}  // namespace

const CovarianceKind* FindCovarianceKind(const char* recordType) {
    // An array of its own, not one built at each call: the vector pass asks about every record but ELEM and DXYZ.
    static constexpr const CovarianceKind* kKinds[] = {&kCovariances, &kWeights, &kGenerated, &kCorrelations};
    for (const CovarianceKind* kind : kKinds) {
        if (std::memcmp(recordType, kind->recordType, kRecordTypeWidth + 1) == 0) return kind;
    }
    return nullptr;
}

bool ReadCovarianceHeader(const RecordView& record, const CovarianceKind& kind, const ConversionSettings& settings,
                          CovarianceSettings& cov, char (&frame)[3]) {
    record.CheckUnreadColumns<kHeaderUnread>();
    record.Text(kHeaderFrame, frame);
    const bool localFrame = std::strcmp(frame, "LG") == 0;
    if (!localFrame && std::strcmp(frame, "CT") != 0) return false;
    cov.kind = &kind;
    cov.localFrame = localFrame;
    char form[5];
    cov.diagonal = std::strcmp(record.Text(kHeaderForm, form), "DIAG") == 0;
    // The addends are covariances, in the square of the record's unit; a
    // value that this record leaves blank keeps what an earlier one set, in
    // square metres already.
    const double factor = record.UnitFactor(kHeaderUnit, settings);
    const double squareFactor = factor * factor;
    auto read = [&](Field field, double& value, bool isAddend) {
        if (record.IsBlank(field)) return;
        const double number = record.Number(field);
        value = isAddend ? number * squareFactor : number;
    };
    read(kHeaderValues[0], cov.commonAddend, true);
    read(kHeaderValues[1], cov.commonScale, false);
    read(kHeaderValues[2], cov.varianceAddend, true);
    read(kHeaderValues[3], cov.varianceScale, false);
    read(kHeaderValues[4], cov.distancePpm, false);
    auto readHeightTerm = [&](Field field, std::optional<double>& term, bool isAddend) {
        if (record.IsBlank(field)) return;
        term.emplace();
        read(field, *term, isAddend);
    };
    readHeightTerm(kHeightAddend, cov.heightAddend, true);
    readHeightTerm(kHeightScale, cov.heightScale, false);
    return true;
}

void ApplyCovarianceSettings(const CovarianceSettings& cov, std::vector<VectorRecord>& vectors) {
    for (VectorRecord& v : vectors) {
        const auto& block = v.block;
        double length = std::sqrt(v.dX * v.dX + (v.dY * v.dY + v.dZ * v.dZ));
        double distanceTerm = (length * cov.distancePpm) * 1e-6;
        double s = distanceTerm * distanceTerm;
        auto variance = [&](double element) {
            return ((((s + element) + cov.commonAddend) + cov.varianceAddend) * cov.commonScale) * cov.varianceScale;
        };
        auto covariance = [&](double element) {
            return cov.diagonal ? 0.0 : (cov.commonAddend + element) * cov.commonScale;
        };
        Covariance& c = v.covariance;
        c.xx = variance(block[0][0]);
        c.yy = variance(block[1][1]);
        // The height variance takes its element after the addends, then the
        // height terms around the scales.
        double zz = ((s + cov.commonAddend) + cov.varianceAddend) + block[2][2];
        if (cov.heightAddend) zz = zz + *cov.heightAddend;
        zz = (zz * cov.commonScale) * cov.varianceScale;
        if (cov.heightScale) zz = zz * *cov.heightScale;
        c.zz = zz;
        c.xy = covariance(block[0][1]);
        c.xz = covariance(block[0][2]);
        c.yz = covariance(block[1][2]);
    }
}

}  // namespace iob
