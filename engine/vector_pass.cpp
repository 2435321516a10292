#include "vector_pass.h"

#include <cmath>
#include <cstring>
#include <string>
#include <tuple>

#include "number_text.h"
#include "output_format.h"
#include "pass_frame.h"
#include "record_field.h"

namespace iob {
namespace {

// DXYZ columns; a "*" in column 10 selects the long layout.
struct VectorLayout {
    Field fromStation, toStation, dX, dY, dZ, unit;
    int maxNameLength;
};
constexpr VectorLayout kShortLayout = {{11, 12}, {24, 12}, {37, 13}, {51, 13}, {65, 13}, {79, 2}, 12};
constexpr VectorLayout kLongLayout = {{11, 31}, {43, 31}, {75, 13}, {89, 13}, {103, 13}, {117, 2}, 15};

// COV columns: the setting, the DIAG flag, values 1 to 5 and the unit of values 1 and 3.
constexpr Field kCovSetting = {7, 2};
constexpr Field kCovDiagonal = {10, 4};
constexpr Field kCovValues[5] = {{15, 10}, {26, 10}, {37, 10}, {48, 10}, {59, 10}};
constexpr Field kCovUnit = {92, 2};

// ELEM columns: three element values and their unit.
constexpr Field kElemValues[3] = {{7, 23}, {31, 23}, {55, 23}};
constexpr Field kElemUnit = {79, 2};

// The group being collected.
struct VectorGroup {
    std::vector<VectorRecord> vectors;
    int firstVectorLine = 0;  // the line of the group's first DXYZ record
    long long elementCount = 0;
    CovarianceSettings cov;
    // Where the last element went. The next one goes one column further
    // along its row, unless a vector or a DIAG flag changed the matrix since.
    struct Place {
        long long order = -1, count = 0, row = 0, column = 0;
        bool diagonal = false;
    } last;

    // The (row, column) of element `elementCount`.
    std::pair<long long, long long> NextPlace() {
        const long long n = Order();
        const bool follows = last.order == n && last.diagonal == cov.diagonal && last.count + 1 == elementCount;
        if (follows && cov.diagonal) {
            last.row = last.column = elementCount;
        } else if (follows && last.column < n) {
            ++last.column;
        } else if (follows) {
            last.column = ++last.row;
        } else {
            std::tie(last.row, last.column) = PackedIndex(n, elementCount, cov.diagonal);
        }
        last.order = n;
        last.diagonal = cov.diagonal;
        last.count = elementCount;
        return {last.row, last.column};
    }

    long long Order() const { return 3 * static_cast<long long>(vectors.size()); }
    long long Target() const { return cov.diagonal ? Order() : Order() * (Order() + 1) / 2; }
    void Reset() {
        vectors.clear();
        elementCount = 0;
        cov = CovarianceSettings{};
        last = Place{};
    }
};

// The covariance headers other than COV: weight matrices, correlations and
// generated covariances.
bool IsUnsupportedCovarianceHeader(const char* recordType) {
    return IsRecordType(recordType, "WGT ") || IsRecordType(recordType, "CORR") || IsRecordType(recordType, "GENC");
}

// True when the field, as far as the line reaches, holds blank bytes only:
// what trimming would leave empty.
bool FieldIsBlank(const char* line, int length, Field field) {
    int last = field.column + field.width - 1 < length ? field.column + field.width - 1 : length;
    for (int column = field.column; column <= last; ++column) {
        if (!IsBlankByte(line[column - 1])) return false;
    }
    return true;
}

VectorRecord ParseVectorRecord(const char* line, int length, double customUnitFactor) {
    const VectorLayout& layout = IsLongLayout(line, length) ? kLongLayout : kShortLayout;

    VectorRecord vector{};
    ExtractName(line, length, layout.fromStation, layout.maxNameLength, vector.fromStation);
    ExtractName(line, length, layout.toStation, layout.maxNameLength, vector.toStation);
    double factor = ExtractUnitFactor(line, length, layout.unit, customUnitFactor);
    vector.dX = ExtractNumber(layout.dX.column, layout.dX.width, line, length) * factor;
    vector.dY = ExtractNumber(layout.dY.column, layout.dY.width, line, length) * factor;
    vector.dZ = ExtractNumber(layout.dZ.column, layout.dZ.width, line, length) * factor;
    return vector;
}

// Returns false, with `setting` holding the offending text, for a setting other than "CT".
bool ApplyCovRecord(const char* line, int length, double customUnitFactor, CovarianceSettings& cov,
                    char (&setting)[3]) {
    ExtractField(kCovSetting.column, kCovSetting.width, line, length, setting);
    if (std::strcmp(setting, "CT") != 0) return false;
    char diagonal[5];
    cov.diagonal = std::strcmp(ExtractField(kCovDiagonal.column, kCovDiagonal.width, line, length, diagonal),
                               "DIAG") == 0;
    // The addends are covariances, in the square of the record's unit; a
    // value that this record leaves blank keeps what an earlier one set, in
    // square metres already.
    double factor = ExtractUnitFactor(line, length, kCovUnit, customUnitFactor);
    const double squareFactor = factor * factor;
    struct CovValue {
        double* value;
        bool isAddend;
    };
    const CovValue values[5] = {{&cov.commonAddend, true}, {&cov.commonScale, false}, {&cov.varianceAddend, true},
                                {&cov.varianceScale, false}, {&cov.distancePpm, false}};
    for (int i = 0; i < 5; ++i) {
        if (FieldIsBlank(line, length, kCovValues[i])) continue;
        double value = ExtractNumber(kCovValues[i].column, kCovValues[i].width, line, length);
        *values[i].value = values[i].isAddend ? value * squareFactor : value;
    }
    return true;
}

void ClearBlocks(std::vector<VectorRecord>& vectors) {
    for (VectorRecord& vector : vectors) std::memset(vector.block, 0, sizeof vector.block);
}

// Stores element (row, column) when it lies in one vector's own block.
void StoreElement(std::vector<VectorRecord>& vectors, long long row, long long column, double value) {
    long long vector = (row - 1) / 3;
    if ((column - 1) / 3 != vector) return;
    vectors[static_cast<std::size_t>(vector)].block[(row - 1) % 3][(column - 1) % 3] = value;
}

}  // namespace

std::pair<long long, long long> PackedIndex(long long n, long long k, bool diagonal) {
    if (diagonal) return {k, k};
    // Rows 1..j of the upper triangle hold j*n - j*(j-1)/2 elements; find the
    // largest j whose rows end before k. The square root gives it to within a
    // row or two, the loops make it exact.
    auto elementsInRows = [n](long long j) { return j * n - j * (j - 1) / 2; };
    double b = 2.0 * static_cast<double>(n) + 1.0;
    double discriminant = b * b - 8.0 * static_cast<double>(k);
    long long j = static_cast<long long>((b - std::sqrt(discriminant > 0 ? discriminant : 0)) / 2.0);
    if (j < 0) j = 0;
    if (j > n - 1) j = n - 1;
    while (j > 0 && elementsInRows(j) >= k) --j;
    while (j + 1 <= n - 1 && elementsInRows(j + 1) < k) ++j;
    long long row = j + 1;
    return {row, row + (k - elementsInRows(j)) - 1};
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
        // The height variance takes its element after the addends.
        c.zz = ((((s + cov.commonAddend) + cov.varianceAddend) + block[2][2]) * cov.commonScale) * cov.varianceScale;
        c.xy = covariance(block[0][1]);
        c.xz = covariance(block[0][2]);
        c.yz = covariance(block[1][2]);
    }
}

void ConvertVectorGroups(const ConversionSettings& settings, TextReader& input, TextWriter& output,
                         ConversionOutcome& outcome) {
    int& result = outcome.result;
    VectorGroup group;
    const double customUnitFactor = settings.customUnitFactor;

    auto handleDxyz = [&](const char* line, int length) {
        VectorRecord vector = ParseVectorRecord(line, length, customUnitFactor);
        if (RefuseNameWithSemicolon(vector.fromStation, outcome)) return;
        if (RefuseNameWithSemicolon(vector.toStation, outcome)) return;
        if (group.vectors.empty()) group.firstVectorLine = outcome.failingLine;
        group.vectors.push_back(vector);
    };
    auto handleCov = [&](const char* line, int length) {
        char setting[3];
        if (!ApplyCovRecord(line, length, customUnitFactor, group.cov, setting)) {
            result = kResultUnsupportedSetting;
            outcome.failingText = setting;
            outcome.failingRecordType = "COV ";
        }
    };
    auto handleElem = [&](const char* line, int length) {
        if (group.elementCount == 0) ClearBlocks(group.vectors);
        // Covariances are in the square of the record's unit.
        double factor = ExtractUnitFactor(line, length, kElemUnit, customUnitFactor);
        const double squareFactor = factor * factor;
        const long long target = group.Target();
        for (Field field : kElemValues) {
            if (FieldIsBlank(line, length, field)) continue;
            if (group.elementCount >= target) {
                result = kResultTooManyElements;
                return;
            }
            ++group.elementCount;
            auto [row, column] = group.NextPlace();
            StoreElement(group.vectors, row, column,
                         ExtractNumber(field.column, field.width, line, length) * squareFactor);
        }
        if (group.elementCount != target) return;
        ApplyCovarianceSettings(group.cov, group.vectors);
        WriteGroupStart(output, result);
        if (result == kResultOk) WriteVectorLines(group.vectors, output, result);
        if (result == kResultOk) {
            ++outcome.report.groups;
            outcome.report.vectors += static_cast<int>(group.vectors.size());
        }
        group.Reset();
    };

    RunPass(input, outcome, [&](const char* recordType, const char* line, int length) {
        if (IsRecordType(recordType, "DXYZ")) {
            handleDxyz(line, length);
        } else if (IsRecordType(recordType, "COV ")) {
            handleCov(line, length);
        } else if (IsRecordType(recordType, "ELEM")) {
            handleElem(line, length);
        } else if (IsUnsupportedCovarianceHeader(recordType)) {
            // Their values are weights or correlations: read as covariances
            // they would be plainly wrong, so they are refused.
            result = kResultUnsupportedRecord;
            outcome.failingRecordType = recordType;
        }
        // GRP, 3DD and every other record change nothing.
    });
    // A group still open at the end of the data was never completed.
    if (result == kResultOk && !group.vectors.empty()) {
        outcome.report.incompleteGroupVectors = static_cast<int>(group.vectors.size());
        outcome.report.incompleteGroupLine = group.firstVectorLine;
    }
}

}  // namespace iob
