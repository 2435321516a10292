#include "vector_pass.h"

#include <cmath>
#include <cstring>
#include <optional>
#include <string>
#include <tuple>

#include "covariance_frames.h"
#include "output_format.h"
#include "pass_frame.h"
#include "record_field.h"
#include "station_index.h"
#include "weight_matrix.h"

namespace iob {
namespace {

// DXYZ columns; a "*" in column 10 selects the long layout.
struct VectorLayout {
    Field fromStation, toStation, dX, dY, dZ, unit;
    int maxNameLength;
};
constexpr VectorLayout kShortLayout = {{11, 12}, {24, 12}, {37, 13}, {51, 13}, {65, 13}, {79, 2}, 12};
constexpr VectorLayout kLongLayout = {{11, 31}, {43, 31}, {75, 13}, {89, 13}, {103, 13}, {117, 2}, 15};

// Columns of the covariance headers COV, WGT and GENC: the frame, the form
// (UPPR or DIAG), values 1 to 5, the height terms and the unit of the addends.
constexpr Field kHeaderFrame = {7, 2};
constexpr Field kHeaderForm = {10, 4};
constexpr Field kHeaderValues[5] = {{15, 10}, {26, 10}, {37, 10}, {48, 10}, {59, 10}};
constexpr Field kHeightAddend = {70, 10};
constexpr Field kHeightScale = {81, 10};
constexpr Field kHeaderUnit = {92, 2};

// ELEM columns: three element values and their unit.
constexpr Field kElemValues[3] = {{7, 23}, {31, 23}, {55, 23}};
constexpr Field kElemUnit = {79, 2};

// The group being collected.
struct VectorGroup {
    std::vector<VectorRecord> vectors;
    WeightMatrix couplings;   // under WGT only
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
        couplings.Clear();
        elementCount = 0;
        cov = CovarianceSettings{};
        last = Place{};
    }
};

bool IsCovarianceHeader(const char* recordType) {
    return IsRecordType(recordType, "COV ") || IsRecordType(recordType, "WGT ") || IsRecordType(recordType, "GENC");
}

// True when the field, as far as the line reaches, holds blank bytes only:
// what trimming would leave empty.
bool FieldIsBlank(const char* line, int length, Field field) {
    int last = field.column + field.width - 1 < length ? field.column + field.width - 1 : length;
    // Numbers stand right-aligned, so the last byte decides most fields at once.
    if (last >= field.column && !IsBlankByte(line[last - 1])) return false;
    for (int column = field.column; column < last; ++column) {
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

// Reads a COV, WGT or GENC record into the group's settings. Returns false,
// with `setting` holding the offending text, for a frame other than "CT" or "LG".
bool ApplyCovarianceHeader(const char* line, int length, double customUnitFactor, CovarianceSettings& cov,
                           char (&setting)[3]) {
    ExtractField(kHeaderFrame.column, kHeaderFrame.width, line, length, setting);
    const bool localFrame = std::strcmp(setting, "LG") == 0;
    if (!localFrame && std::strcmp(setting, "CT") != 0) return false;
    cov.localFrame = localFrame;
    char form[5];
    ExtractField(kHeaderForm.column, kHeaderForm.width, line, length, form);
    cov.diagonal = std::strcmp(form, "DIAG") == 0;
    // The addends are covariances, in the square of the record's unit; a
    // value that this record leaves blank keeps what an earlier one set, in
    // square metres already.
    double factor = ExtractUnitFactor(line, length, kHeaderUnit, customUnitFactor);
    const double squareFactor = factor * factor;
    auto read = [&](Field field, double& value, bool isAddend) {
        if (FieldIsBlank(line, length, field)) return;
        double number = ExtractNumber(field.column, field.width, line, length);
        value = isAddend ? number * squareFactor : number;
    };
    read(kHeaderValues[0], cov.commonAddend, true);
    read(kHeaderValues[1], cov.commonScale, false);
    read(kHeaderValues[2], cov.varianceAddend, true);
    read(kHeaderValues[3], cov.varianceScale, false);
    read(kHeaderValues[4], cov.distancePpm, false);
    auto readHeightTerm = [&](Field field, std::optional<double>& term, bool isAddend) {
        if (FieldIsBlank(line, length, field)) return;
        term.emplace();
        read(field, *term, isAddend);
    };
    readHeightTerm(kHeightAddend, cov.heightAddend, true);
    readHeightTerm(kHeightScale, cov.heightScale, false);
    return true;
}

void ClearBlocks(std::vector<VectorRecord>& vectors) {
    for (VectorRecord& vector : vectors) std::memset(vector.block, 0, sizeof vector.block);
}

// Whether element (row, column) is kept. Elements that couple two vectors
// are kept only as weights, which the inversion needs; no output line holds
// a coupling covariance, so its number is not even read. In groups of
// several vectors most elements are such couplings.
bool IsElementKept(const VectorGroup& group, long long row, long long column) {
    return group.cov.weights || (row - 1) / 3 == (column - 1) / 3;
}

// Stores a kept element (row, column): in its vector's own block, or as a
// coupling weight.
void StoreElement(VectorGroup& group, long long row, long long column, double value) {
    long long vector = (row - 1) / 3;
    if ((column - 1) / 3 == vector) {
        group.vectors[static_cast<std::size_t>(vector)].block[(row - 1) % 3][(column - 1) % 3] = value;
    } else {
        group.couplings.StoreCoupling(static_cast<std::size_t>(group.Order()), static_cast<std::size_t>(row),
                                      static_cast<std::size_t>(column), value);
    }
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

void ConvertVectorGroups(const ConversionSettings& settings, const StationTable& stations, TextReader& input,
                         TextWriter& output, ConversionOutcome& outcome) {
    int& result = outcome.result;
    VectorGroup group;
    const double customUnitFactor = settings.customUnitFactor;
    std::optional<StationIndex> stationIndex;  // built for the first local group
    std::vector<const StationRecord*> positions;

    // The positions of the group's from-stations; false, naming the first
    // that has none, when one is missing.
    auto findPositions = [&]() {
        if (!stationIndex) stationIndex.emplace(stations);
        positions.clear();
        for (const VectorRecord& vector : group.vectors) {
            const StationRecord* station = stationIndex->Find(vector.fromStation);
            if (station == nullptr) {
                outcome.failingText = vector.fromStation;
                return false;
            }
            positions.push_back(station);
        }
        return true;
    };
    // Nothing of a group is written before all of it is known to convert.
    auto writeGroup = [&]() {
        if (group.cov.weights && !group.couplings.InvertInto(group.vectors, group.cov.diagonal)) {
            result = kResultWeightsNotInvertible;
            return;
        }
        if (group.cov.localFrame && !findPositions()) {
            result = kResultNoStationPosition;
            return;
        }
        ApplyCovarianceSettings(group.cov, group.vectors);
        if (group.cov.localFrame) {
            for (std::size_t i = 0; i < group.vectors.size(); ++i) {
                group.vectors[i].covariance = TurnToGeocentric(group.vectors[i].covariance, *positions[i]);
            }
        }
        WriteGroupStart(output, result);
        if (result == kResultOk) WriteVectorLines(group.vectors, output, result);
        if (result == kResultOk) {
            ++outcome.report.groups;
            outcome.report.vectors += static_cast<int>(group.vectors.size());
        }
        group.Reset();
    };

    auto handleDxyz = [&](const char* line, int length) {
        VectorRecord vector = ParseVectorRecord(line, length, customUnitFactor);
        if (RefuseNameWithSemicolon(vector.fromStation, outcome)) return;
        if (RefuseNameWithSemicolon(vector.toStation, outcome)) return;
        if (group.vectors.empty()) group.firstVectorLine = outcome.failingLine;
        group.vectors.push_back(vector);
    };
    auto handleHeader = [&](const char* recordType, const char* line, int length) {
        char setting[3];
        if (!ApplyCovarianceHeader(line, length, customUnitFactor, group.cov, setting)) {
            result = kResultUnsupportedSetting;
            outcome.failingText = setting;
            outcome.failingRecordType = recordType;
            return;
        }
        group.cov.weights = IsRecordType(recordType, "WGT ");
        if (IsRecordType(recordType, "GENC")) {
            // Generated from the header's constants alone: no ELEM follows.
            ClearBlocks(group.vectors);
            writeGroup();
        }
    };
    auto handleElem = [&](const char* line, int length) {
        if (group.elementCount == 0) {
            ClearBlocks(group.vectors);
            group.couplings.Clear();
        }
        // Covariances are in the square of the record's unit, weights in its inverse.
        double factor = ExtractUnitFactor(line, length, kElemUnit, customUnitFactor);
        const double squareFactor = factor * factor;
        const long long target = group.Target();
        for (Field field : kElemValues) {
            if (FieldIsBlank(line, length, field)) continue;
            if (group.elementCount >= target) {
                result = kResultTooManyElements;
                outcome.failingRecordType = "ELEM";
                return;
            }
            ++group.elementCount;
            auto [row, column] = group.NextPlace();
            if (!IsElementKept(group, row, column)) continue;
            double value = ExtractNumber(field.column, field.width, line, length);
            StoreElement(group, row, column, group.cov.weights ? value / squareFactor : value * squareFactor);
        }
        if (group.elementCount == target) writeGroup();
    };

    RunPass(input, outcome, [&](const char* recordType, const char* line, int length) {
        if (IsRecordType(recordType, "DXYZ")) {
            handleDxyz(line, length);
        } else if (IsCovarianceHeader(recordType)) {
            handleHeader(recordType, line, length);
        } else if (IsRecordType(recordType, "ELEM")) {
            handleElem(line, length);
        } else if (IsRecordType(recordType, "CORR")) {
            // Its element order is not documented: read as covariances its
            // values would be plainly wrong, so it is refused.
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
