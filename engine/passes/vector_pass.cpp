#include "passes/vector_pass.h"

#include <optional>
#include <vector>

#include "passes/covariance_frames.h"
#include "passes/station_index.h"
#include "reading/pass_runner.h"
#include "reading/record_types.h"
#include "reading/record_view.h"
#include "writing/output_format.h"

namespace iob {
namespace {

// DXYZ columns; a "*" in column 10 selects the long layout.
struct VectorLayout {
    Field fromStation, toStation, dX, dY, dZ, unit;
    int maxNameLength;
};
constexpr VectorLayout kShortLayout = {{11, 12}, {24, 12}, {37, 13}, {51, 13}, {65, 13}, {79, 2}, 12};
constexpr VectorLayout kLongLayout = {{11, 31}, {43, 31}, {75, 13}, {89, 13}, {103, 13}, {117, 2}, 15};

// ELEM columns: three element values and their unit.
constexpr Field kElemValues[3] = {{7, 23}, {31, 23}, {55, 23}};
constexpr Field kElemUnit = {79, 2};

VectorRecord ParseVectorRecord(const RecordView& record, double customUnitFactor) {
    const VectorLayout& layout = record.IsLongLayout() ? kLongLayout : kShortLayout;

    VectorRecord vector{};
    record.Name(layout.fromStation, layout.maxNameLength, vector.fromStation);
    record.Name(layout.toStation, layout.maxNameLength, vector.toStation);
    const double factor = record.UnitFactor(layout.unit, customUnitFactor);
    vector.dX = record.Number(layout.dX) * factor;
    vector.dY = record.Number(layout.dY) * factor;
    vector.dZ = record.Number(layout.dZ) * factor;
    return vector;
}

// Collects the records of one group after another, and writes each group
// once it is complete: after its last ELEM element, or at its GENC header.
class VectorGroupConverter {
public:
    VectorGroupConverter(const ConversionSettings& settings, const StationTable& stations, WrittenNames& names,
                         TextWriter& output, ConversionOutcome& outcome)
        : customUnitFactor_(settings.customUnitFactor),
          stations_(stations),
          names_(names),
          output_(output),
          outcome_(outcome) {}

    void OnRecord(const RecordView& record) {
        // ELEM records are most of a file: they are told apart first.
        if (IsRecordType(record.Type(), "ELEM")) {
            OnElements(record);
        } else if (IsRecordType(record.Type(), "DXYZ")) {
            OnVector(record);
        } else if (const CovarianceKind* kind = FindCovarianceKind(record.Type())) {
            OnCovarianceHeader(record, *kind);
        } else if (IsRecordType(record.Type(), "CORR")) {
            // Its element order is not documented: read as covariances its
            // values would be plainly wrong, so it is refused.
            outcome_.Fail(kResultUnsupportedRecord, {record.Type(), record.LineNumber()});
        }
        // Group marks (GRP, 3DD) and every other record change nothing.
    }

    // A group still open at the end of the data was never completed.
    void OnEndOfData() {
        if (outcome_.result != kResultOk || group_.vectors.empty()) return;
        outcome_.report.incompleteGroupVectors = static_cast<long long>(group_.vectors.size());
        outcome_.report.incompleteGroupLine = group_.firstVectorLine;
    }

private:
    void OnVector(const RecordView& record) {
        const VectorRecord vector = ParseVectorRecord(record, customUnitFactor_);
        if (RefuseNameWithSemicolon(record, vector.fromStation, outcome_)) return;
        if (RefuseNameWithSemicolon(record, vector.toStation, outcome_)) return;
        // Checked as it is read, so that no group is written with a name
        // that stands for two stations.
        const VectorLayout& layout = record.IsLongLayout() ? kLongLayout : kShortLayout;
        if (names_.RefuseNameWrittenAlike(record, layout.fromStation, vector.fromStation, outcome_) ||
            names_.RefuseNameWrittenAlike(record, layout.toStation, vector.toStation, outcome_)) {
            return;
        }
        if (group_.vectors.empty()) group_.firstVectorLine = record.LineNumber();
        group_.vectors.push_back(vector);
    }

    void OnCovarianceHeader(const RecordView& record, const CovarianceKind& kind) {
        char frame[3];
        if (!ReadCovarianceHeader(record, kind, customUnitFactor_, group_.cov, frame)) {
            outcome_.Fail(kResultUnsupportedSetting, {frame, record.Type()});
            return;
        }
        if (kind.generated) {
            group_.ClearElements();
            CompleteGroup(record);
        }
    }

    void OnElements(const RecordView& record) {
        const double factor = record.UnitFactor(kElemUnit, customUnitFactor_);
        const long long target = group_.Target();
        for (Field field : kElemValues) {
            if (record.IsBlank(field)) continue;
            if (group_.ElementCount() >= target) {
                outcome_.Fail(kResultTooManyElements, {"ELEM", record.LineNumber()});
                return;
            }
            auto [row, column] = group_.PlaceNextElement();
            if (!group_.IsElementKept(row, column)) continue;
            const double value = record.Number(field);
            group_.StoreElement(row, column, group_.cov.kind->ElementValue(value, factor));
        }
        if (group_.ElementCount() == target) CompleteGroup(record);
    }

    // Turns the group's blocks into covariances in the geocentric frame and
    // writes its lines; `last` is the record that completed the group.
    // Nothing of a group is written before all of it is known to convert.
    void CompleteGroup(const RecordView& last) {
        if (group_.cov.kind->Inverts() && !group_.InvertWeights()) {
            outcome_.Fail(kResultWeightsNotInvertible, {last.LineNumber()});
            return;
        }
        if (const VectorRecord* unplaced = FindPositions()) {
            outcome_.Fail(kResultNoStationPosition, {unplaced->fromStation, last.LineNumber()});
            return;
        }
        ApplyCovarianceSettings(group_.cov, group_.vectors);
        if (group_.cov.localFrame) {
            for (std::size_t i = 0; i < positions_.size(); ++i) {
                group_.vectors[i].covariance = TurnToGeocentric(group_.vectors[i].covariance, *positions_[i]);
            }
        }
        WriteGroupStart(output_, outcome_.result);
        if (outcome_.result == kResultOk) WriteVectorLines(group_.vectors, output_, outcome_.result);
        if (outcome_.result == kResultOk) {
            ++outcome_.report.written.groups;
            outcome_.report.written.vectors += static_cast<long long>(group_.vectors.size());
        }
        group_.Reset();
    }

    // In a local-frame group, puts the positions of the group's
    // from-stations in `positions_`; returns the first vector whose
    // from-station has none, or null when all have one.
    const VectorRecord* FindPositions() {
        positions_.clear();
        if (!group_.cov.localFrame) return nullptr;
        if (!stationIndex_) stationIndex_.emplace(stations_);
        for (const VectorRecord& vector : group_.vectors) {
            const StationRecord* station = stationIndex_->Find(vector.fromStation);
            if (station == nullptr) return &vector;
            positions_.push_back(station);
        }
        return nullptr;
    }

    const double customUnitFactor_;
    const StationTable& stations_;
    WrittenNames& names_;
    TextWriter& output_;
    ConversionOutcome& outcome_;
    VectorGroup group_;
    std::optional<StationIndex> stationIndex_;     // built for the first local group
    std::vector<const StationRecord*> positions_;  // of a local group's from-stations, reused from group to group
};

}  // namespace

void ConvertVectorGroups(const ConversionSettings& settings, const StationTable& stations, WrittenNames& names,
                         TextReader& input, TextWriter& output, ConversionOutcome& outcome) {
    VectorGroupConverter converter(settings, stations, names, output, outcome);
    RunPass(input, outcome, [&converter](const RecordView& record) { converter.OnRecord(record); });
    converter.OnEndOfData();
}

}  // namespace iob
