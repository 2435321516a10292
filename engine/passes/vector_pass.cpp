#include "passes/vector_pass.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "passes/covariance_frames.h"
#include "passes/observation_converter.h"
#include "passes/station_index.h"
#include "reading/pass_runner.h"
#include "reading/record_types.h"
#include "reading/record_view.h"
#include "writing/output_format.h"
#include "writing/single_line_format.h"

namespace iob {
namespace {

// DXYZ columns; a "*" in column 10 selects the long layout. The components
// are in the record's unit.
struct VectorLayout {
    Field layoutMark, fromStation, toStation, dX, dY, dZ, unit;
    int maxNameLength;

    constexpr UnreadColumns Unread() const {
        return ColumnsBetween({layoutMark, fromStation, toStation, dX, dY, dZ, unit});
    }
};
constexpr Field kLayoutMark = {10, 1};
constexpr VectorLayout kShortLayout = {kLayoutMark,
                                       {11, 12, Accepts::kName},
                                       {24, 12, Accepts::kName},
                                       {37, 13, Accepts::kNumber},
                                       {51, 13, Accepts::kNumber},
                                       {65, 13, Accepts::kNumber},
                                       {79, 2, Accepts::kUnitCode},
                                       12};
constexpr VectorLayout kLongLayout = {kLayoutMark,
                                      {11, 31, Accepts::kName},
                                      {43, 31, Accepts::kName},
                                      {75, 13, Accepts::kNumber},
                                      {89, 13, Accepts::kNumber},
                                      {103, 13, Accepts::kNumber},
                                      {117, 2, Accepts::kUnitCode},
                                      15};
constexpr UnreadColumns kShortUnread = kShortLayout.Unread();
constexpr UnreadColumns kLongUnread = kLongLayout.Unread();

// ELEM columns: three element values and their unit.
constexpr Field kElemValues[3] = {{7, 23, Accepts::kNumber}, {31, 23, Accepts::kNumber}, {55, 23, Accepts::kNumber}};
constexpr Field kElemUnit = {79, 2, Accepts::kUnitCode};
constexpr UnreadColumns kElemUnread = ColumnsBetween({kElemValues[0], kElemValues[1], kElemValues[2], kElemUnit});

// Group records of coordinate observations, with or without the blank that
// ends the type: their covariance matrices are no GPS group's.
bool IsCoordinateGroup(const char* recordType) {
    return IsRecordType(recordType, "2DC ") || IsRecordType(recordType, "2DD ") || IsRecordType(recordType, "3DC ") ||
           IsRecordType(recordType, "2DC") || IsRecordType(recordType, "2DD") || IsRecordType(recordType, "3DC");
}

// The group marks of GPS groups, which end a coordinate group too.
bool IsGpsGroupMark(const char* recordType) {
    return IsRecordType(recordType, "3DD ") || IsRecordType(recordType, "GRP ") || IsRecordType(recordType, "3DD") ||
           IsRecordType(recordType, "GRP");
}

VectorRecord ParseVectorRecord(const RecordView& record, const ConversionSettings& settings) {
    const bool longLayout = record.IsLongLayout();
    const VectorLayout& layout = longLayout ? kLongLayout : kShortLayout;
    if (longLayout) {
        record.CheckUnreadColumns<kLongUnread>();
    } else {
        record.CheckUnreadColumns<kShortUnread>();
    }

    VectorRecord vector{};
    record.Name(layout.fromStation, layout.maxNameLength, vector.fromStation);
    record.Name(layout.toStation, layout.maxNameLength, vector.toStation);
    const double factor = record.UnitFactor(layout.unit, settings);
    vector.dX = record.Number(layout.dX) * factor;
    vector.dY = record.Number(layout.dY) * factor;
    vector.dZ = record.Number(layout.dZ) * factor;
    return vector;
}

// Collects the records of one group after another, and writes each group
// once it is complete: after its last ELEM element, or at its GENC header.
class VectorGroupConverter {
public:
    VectorGroupConverter(const ConversionSettings& settings, OutputSyntax syntax, const StationTable& stations,
                         WrittenNames& names, TextWriter& output, ConversionOutcome& outcome)
        : settings_(settings), syntax_(syntax), stations_(stations), names_(names), output_(output), outcome_(outcome) {
        if (syntax == OutputSyntax::kSingleLine) observations_.emplace(settings, names, output, outcome);
    }

    void OnRecord(const RecordView& record) {
        // ELEM records are most of a file: they are told apart first.
        if (IsRecordType(record.Type(), "ELEM")) {
            if (!coordinates_.passingMatrix) OnElements(record);
            return;
        }
        coordinates_.passingMatrix = false;
        if (IsRecordType(record.Type(), "DXYZ")) {
            coordinates_.open = false;
            OnVector(record);
        } else if (const CovarianceKind* kind = FindCovarianceKind(record.Type())) {
            if (!PassCoordinateMatrix()) OnCovarianceHeader(record, *kind);
        } else if (IsCoordinateGroup(record.Type())) {
            coordinates_ = {true, false, record.LineNumber(),
                            std::string(record.Trimmed({kRecordTypeColumn, kRecordTypeWidth}))};
        } else if (IsGpsGroupMark(record.Type())) {
            coordinates_.open = false;
        } else if (observations_) {
            observations_->OnRecord(record);
        }
        // Every other record changes nothing.
    }

    // A group still open at the end of the data was never completed.
    void OnEndOfData() {
        ConversionReport& report = outcome_.report;
        if (observations_ && observations_->WroteAngles()) {
            report.anglesWithoutDeflections =
                std::any_of(report.unconvertedRecords.begin(), report.unconvertedRecords.end(),
                            [](const RecordTally& tally) { return tally.type == "GEOI"; });
        }
        if (outcome_.result != kResultOk || group_.vectors.empty()) return;
        report.incompleteGroupVectors = static_cast<long long>(group_.vectors.size());
        report.incompleteGroupLine = group_.firstVectorLine;
    }

private:
    // A covariance header in a group of coordinate observations (2DC, 2DD,
    // 3DC) before any DXYZ record heads their matrix, not a GPS group's: it
    // and the ELEM records after it are passed over, and reported. True
    // when the header just read is such a one.
    bool PassCoordinateMatrix() {
        if (!coordinates_.open) return false;
        coordinates_.passingMatrix = true;
        ConversionReport& report = outcome_.report;
        if (report.coordinateMatrices++ == 0) {
            report.firstCoordinateMatrix = {coordinates_.type, 1, coordinates_.line};
        }
        return true;
    }

    void OnVector(const RecordView& record) {
        const VectorRecord vector = ParseVectorRecord(record, settings_);
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
        if (!ReadCovarianceHeader(record, kind, settings_, group_.cov, frame)) {
            outcome_.Fail(kResultUnsupportedSetting, {frame, record.Type()});
            return;
        }
        if (kind.generated) {
            group_.ClearElements();
            CompleteGroup(record);
        }
    }

    void OnElements(const RecordView& record) {
        // The kind told once a record: the loop over its values has no branch for it.
        if (group_.cov.kind->correlations) {
            OnElementsOf<true>(record);
        } else {
            OnElementsOf<false>(record);
        }
    }

    template <bool kCorrelations>
    void OnElementsOf(const RecordView& record) {
        record.CheckUnreadColumns<kElemUnread>();
        const double factor = record.UnitFactor(kElemUnit, settings_);
        const long long target = group_.Target();
        for (Field field : kElemValues) {
            if (record.IsBlank(field)) continue;
            if (group_.ElementCount() >= target) {
                outcome_.Fail(kResultTooManyElements, {"ELEM", record.LineNumber()});
                return;
            }
            if constexpr (kCorrelations) {
                OnCorrelationValue(record, field, factor);
            } else {
                const ElementPlace place = group_.PlaceNextElement();
                if (!group_.IsElementKept(place)) continue;
                const double value = record.Number(field);
                group_.StoreElement(place, group_.cov.kind->ElementValue(value, factor));
            }
        }
        if (group_.ElementCount() == target) CompleteGroup(record);
    }

    // A value of a correlation group: a correlation, every one read so that
    // one out of range is reported, or after them a standard deviation.
    void OnCorrelationValue(const RecordView& record, Field field, double unitFactor) {
        if (group_.ElementCount() >= group_.MatrixTarget()) {
            const double deviation = record.Number(field) * unitFactor;
            if (deviation < 0.0) {
                record.NoteFieldDoubt(DoubtKind::kCorrelation, field, LoadString(kReportNegativeDeviation));
            }
            group_.StoreStandardDeviation(group_.PlaceNextStandardDeviation(), deviation);
            return;
        }
        const ElementPlace place = group_.PlaceNextElement();
        const double correlation = record.Number(field);
        if (place.row == place.column && correlation != 1.0) {
            record.NoteFieldDoubt(DoubtKind::kCorrelation, field, LoadString(kReportDiagonalCorrelation));
        } else if (!(correlation >= -1.0 && correlation <= 1.0)) {
            record.NoteFieldDoubt(DoubtKind::kCorrelation, field, LoadString(kReportCorrelationOutOfRange));
        }
        if (group_.IsElementKept(place)) group_.StoreElement(place, correlation);
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
        if (group_.cov.kind->correlations) group_.ScaleCorrelations();
        ApplyCovarianceSettings(group_.cov, group_.vectors);
        if (group_.cov.localFrame) {
            for (std::size_t i = 0; i < positions_.size(); ++i) {
                group_.vectors[i].covariance = TurnToGeocentric(group_.vectors[i].covariance, *positions_[i]);
            }
        }
        WriteGroupStart(output_, outcome_.result);
        if (outcome_.result == kResultOk) {
            if (syntax_ == OutputSyntax::kSingleLine) {
                WriteSingleLineVectors(group_.vectors, output_, outcome_.result);
            } else {
                WriteVectorLines(group_.vectors, output_, outcome_.result);
            }
        }
        if (observations_) observations_->EndRun();
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

    const ConversionSettings& settings_;
    OutputSyntax syntax_;
    const StationTable& stations_;
    WrittenNames& names_;
    TextWriter& output_;
    ConversionOutcome& outcome_;
    VectorGroup group_;
    // The coordinate group read last, until a DXYZ record or a GPS group mark.
    struct CoordinateGroup {
        bool open = false;
        bool passingMatrix = false;  // its covariance header was met: its ELEM records follow
        LineNumber line = 0;
        std::string type;  // as its record gives it, trimmed
    } coordinates_;
    std::optional<StationIndex> stationIndex_;          // built for the first local group
    std::vector<const StationRecord*> positions_;       // of a local group's from-stations, reused from group to group
    std::optional<ObservationConverter> observations_;  // in the single-line syntax
};

}  // namespace

void ConvertVectorGroups(const ConversionSettings& settings, OutputSyntax syntax, const StationTable& stations,
                         WrittenNames& names, TextReader& input, TextWriter& output, ConversionOutcome& outcome) {
    VectorGroupConverter converter(settings, syntax, stations, names, output, outcome);
    RunPass(input, outcome, [&converter](const RecordView& record) { converter.OnRecord(record); });
    converter.OnEndOfData();
}

}  // namespace iob
