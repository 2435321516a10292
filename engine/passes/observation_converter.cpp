#include "passes/observation_converter.h"

#include <iterator>

#include "reading/packed_angle.h"
#include "reading/record_types.h"
#include "writing/single_line_format.h"

namespace iob {
namespace {

using Kind = ObservationRecord::Kind;

constexpr Field Name(int column, int width) { return {column, width, Accepts::kName}; }
constexpr Field Number(int column, int width) { return {column, width, Accepts::kNumber}; }
constexpr Field Unit(int column) { return {column, 2, Accepts::kUnitCode}; }
constexpr Field Minutes(int column, int width) { return {column, width, Accepts::kMinutes}; }
constexpr Field kNone = {};
constexpr Field kLayoutMark = {10, 1};

// The columns of DIST, AZIM, ZANG and ANGL records, in the order of their
// columns; a "*" in column 10 selects the long layout, whose names are 31
// columns wide. A field a record type does not have is kNone.
struct ObservationLayout {
    Field at, backsight, to;  // the backsight, of ANGL only, stands between the two
    Field sign;               // "-" negates the angle (ZANG, ANGL); "S" refers an azimuth to the south
    Field degrees, minutes, seconds;
    Field length;      // DIST: the slope distance
    Field deviation;   // in the length's unit, or in seconds of arc
    Field lengthUnit;  // DIST: the unit of the distance and its deviation
    Field refraction;  // ZANG: the coefficient of refraction
    int maxNameLength;

    constexpr UnreadColumns Unread() const {
        const Field all[] = {kLayoutMark, at,      backsight, to,        sign,       degrees,
                             minutes,     seconds, length,    deviation, lengthUnit, refraction};
        Field items[std::size(all)] = {};
        int count = 0;
        for (const Field& field : all) {
            if (field.width > 0) items[count++] = field;
        }
        return ColumnsBetween(items, count);
    }
};

// Columns 7-9 of an observation name a sigma record that adds to its standard deviation.
constexpr Field kSigmaRecord = {7, 3};

// clang-format off
//                                            at            backsight     to            sign      degrees                             minutes          seconds          length          deviation        unit       refraction       names
constexpr ObservationLayout kShortDistance = {Name(11, 12), kNone,        Name(24, 12), kNone,    kNone,                              kNone,           kNone,           Number(50, 15), Number(66, 10),  Unit(77),  kNone,           12};
constexpr ObservationLayout kLongDistance  = {Name(11, 31), kNone,        Name(43, 31), kNone,    kNone,                              kNone,           kNone,           Number(75, 15), Number(91, 10),  Unit(102), kNone,           15};
constexpr ObservationLayout kShortAzimuth  = {Name(11, 12), kNone,        Name(24, 12), {50, 1},  {51, 3, Accepts::kCircleDegrees},   Minutes(55, 2),  Minutes(58, 7),  kNone,          Number(66, 10),  kNone,     kNone,           12};
constexpr ObservationLayout kLongAzimuth   = {Name(11, 31), kNone,        Name(43, 31), {75, 1},  {76, 3, Accepts::kCircleDegrees},   Minutes(80, 2),  Minutes(83, 7),  kNone,          Number(91, 10),  kNone,     kNone,           15};
constexpr ObservationLayout kShortZenith   = {Name(11, 12), kNone,        Name(24, 12), {50, 1},  {51, 3, Accepts::kZenithDegrees},   Minutes(55, 2),  Minutes(58, 7),  kNone,          Number(66, 10),  kNone,     Number(77, 10),  12};
constexpr ObservationLayout kLongZenith    = {Name(11, 31), kNone,        Name(43, 31), {75, 1},  {76, 3, Accepts::kZenithDegrees},   Minutes(80, 2),  Minutes(83, 7),  kNone,          Number(91, 10),  kNone,     Number(102, 10), 15};
constexpr ObservationLayout kShortAngle    = {Name(11, 12), Name(24, 12), Name(37, 12), {50, 1},  {51, 3, Accepts::kCircleDegrees},   Minutes(55, 2),  Minutes(58, 7),  kNone,          Number(66, 10),  kNone,     kNone,           12};
constexpr ObservationLayout kLongAngle     = {Name(11, 31), Name(43, 31), Name(75, 31), {107, 1}, {108, 3, Accepts::kCircleDegrees},  Minutes(112, 2), Minutes(115, 7), kNone,          Number(123, 10), kNone,     kNone,           15};
// clang-format on

constexpr UnreadColumns kShortDistanceUnread = kShortDistance.Unread();
constexpr UnreadColumns kLongDistanceUnread = kLongDistance.Unread();
constexpr UnreadColumns kShortAzimuthUnread = kShortAzimuth.Unread();
constexpr UnreadColumns kLongAzimuthUnread = kLongAzimuth.Unread();
constexpr UnreadColumns kShortZenithUnread = kShortZenith.Unread();
constexpr UnreadColumns kLongZenithUnread = kLongZenith.Unread();
constexpr UnreadColumns kShortAngleUnread = kShortAngle.Unread();
constexpr UnreadColumns kLongAngleUnread = kLongAngle.Unread();

// HI and HT columns: the station, its instrument or target height, the
// height's unit. HI records are taken to share HT's layout.
struct HeightLayout {
    Field station, height, unit;
    int maxNameLength;
};
constexpr HeightLayout kShortHeight = {Name(11, 12), Number(24, 10), Unit(35), 12};
constexpr HeightLayout kLongHeight = {Name(11, 31), Number(43, 10), Unit(54), 15};
constexpr UnreadColumns kShortHeightUnread =
    ColumnsBetween({kLayoutMark, kShortHeight.station, kShortHeight.height, kShortHeight.unit});
constexpr UnreadColumns kLongHeightUnread =
    ColumnsBetween({kLayoutMark, kLongHeight.station, kLongHeight.height, kLongHeight.unit});

// The record types of observations, spelled as RunPass hands them over.
struct ObservationType {
    char recordType[kRecordTypeWidth + 1];
    Kind kind;
};
constexpr ObservationType kObservationTypes[] = {{"DIST", Kind::kDistance},
                                                 {"AZIM", Kind::kAzimuth},
                                                 {"ZANG", Kind::kZenithAngle},
                                                 {"ANGL", Kind::kHorizontalAngle}};

// The kind of observation a record type holds, or null for another record.
const Kind* FindObservationKind(const char* recordType) {
    for (const ObservationType& type : kObservationTypes) {
        if (IsRecordType(recordType, type.recordType)) return &type.kind;
    }
    return nullptr;
}

const ObservationLayout& LayoutOf(Kind kind, bool longLayout) {
    switch (kind) {
    case Kind::kDistance:
        return longLayout ? kLongDistance : kShortDistance;
    case Kind::kAzimuth:
        return longLayout ? kLongAzimuth : kShortAzimuth;
    case Kind::kZenithAngle:
        return longLayout ? kLongZenith : kShortZenith;
    case Kind::kHorizontalAngle:
        break;
    }
    return longLayout ? kLongAngle : kShortAngle;
}

void CheckUnreadColumns(const RecordView& record, Kind kind, bool longLayout) {
    switch (kind) {
    case Kind::kDistance:
        return longLayout ? record.CheckUnreadColumns<kLongDistanceUnread>()
                          : record.CheckUnreadColumns<kShortDistanceUnread>();
    case Kind::kAzimuth:
        return longLayout ? record.CheckUnreadColumns<kLongAzimuthUnread>()
                          : record.CheckUnreadColumns<kShortAzimuthUnread>();
    case Kind::kZenithAngle:
        return longLayout ? record.CheckUnreadColumns<kLongZenithUnread>()
                          : record.CheckUnreadColumns<kShortZenithUnread>();
    case Kind::kHorizontalAngle:
        return longLayout ? record.CheckUnreadColumns<kLongAngleUnread>()
                          : record.CheckUnreadColumns<kShortAngleUnread>();
    }
}

// The angle of an observation, packed; a "-" in its sign field negates it.
// An azimuth referred to the south turns by 180 degrees in its degrees
// alone, so that its minutes and seconds keep their digits.
double ReadPackedAngle(const RecordView& record, const ObservationLayout& layout, Kind kind) {
    double degrees = record.Number(layout.degrees);
    const double minutes = record.Number(layout.minutes);
    const double seconds = record.Number(layout.seconds);
    if (kind == Kind::kAzimuth) {
        if (record.HoldsLetter(layout.sign, 'S')) degrees = std::fmod(degrees + 180.0, 360.0);
        return PackedAngle(degrees, minutes, seconds);
    }
    const double packed = PackedAngle(degrees, minutes, seconds);
    return record.Trimmed(layout.sign) == "-" ? -packed : packed;
}

// GeoLab's rule for the coefficient of refraction: none below 0.03, at most 0.23.
double RefractionCoefficient(double coefficient) {
    constexpr double kLeast = 0.03;
    constexpr double kMost = 0.23;
    if (!(coefficient >= kLeast)) return 0.0;
    return coefficient > kMost ? kMost : coefficient;
}

// The height of `station` among `heights`: 0 until a record gives one.
double HeightOf(const std::unordered_map<std::string, double>& heights, const char* station) {
    const auto found = heights.find(station);
    return found != heights.end() ? found->second : 0.0;
}

// Counts one more record of `tally`.
void Count(RecordTally& tally, LineNumber line) {
    if (tally.count++ == 0) tally.firstLine = line;
}

}  // namespace

bool IsObservationOrHeightRecord(const char* recordType) {
    return FindObservationKind(recordType) != nullptr || IsRecordType(recordType, "HI  ") ||
           IsRecordType(recordType, "HT  ");
}

bool ObservationConverter::OnRecord(const RecordView& record) {
    if (IsRecordType(record.Type(), "HI  ")) {
        OnHeight(record, instrumentHeights_);
        return true;
    }
    if (IsRecordType(record.Type(), "HT  ")) {
        OnHeight(record, targetHeights_);
        return true;
    }
    const Kind* kind = FindObservationKind(record.Type());
    if (kind == nullptr) return false;
    if (Refuse(record, *kind)) return true;

    const bool longLayout = record.IsLongLayout();
    const ObservationLayout& layout = LayoutOf(*kind, longLayout);
    CheckUnreadColumns(record, *kind, longLayout);
    ObservationRecord observation{};
    observation.kind = *kind;
    record.Name(layout.at, layout.maxNameLength, observation.atStation);
    if (*kind == Kind::kHorizontalAngle) record.Name(layout.backsight, layout.maxNameLength, observation.backsight);
    record.Name(layout.to, layout.maxNameLength, observation.toStation);
    if (RefuseNames(record, observation, {layout.at, layout.backsight, layout.to})) return true;

    if (*kind == Kind::kDistance) {
        const double factor = record.UnitFactor(layout.lengthUnit, settings_);
        observation.value = record.Number(layout.length) * factor;
        observation.standardDeviation = record.Number(layout.deviation) * factor;
    } else {
        observation.value = ReadPackedAngle(record, layout, *kind);
        observation.standardDeviation = record.Number(layout.deviation);
    }
    observation.instrumentHeight = HeightOf(instrumentHeights_, observation.atStation);
    observation.targetHeight = HeightOf(targetHeights_, observation.toStation);

    if (*kind == Kind::kZenithAngle) {
        const double coefficient = RefractionCoefficient(record.Number(layout.refraction));
        if (refraction_ != coefficient) {
            OpenRun();
            if (outcome_.result == kResultOk) WriteRefractionLine(coefficient, output_, outcome_.result);
            refraction_ = coefficient;
        }
    }
    Write(observation);
    return true;
}

void ObservationConverter::OnHeight(const RecordView& record, std::unordered_map<std::string, double>& heights) {
    const bool longLayout = record.IsLongLayout();
    const HeightLayout& layout = longLayout ? kLongHeight : kShortHeight;
    if (longLayout) {
        record.CheckUnreadColumns<kLongHeightUnread>();
    } else {
        record.CheckUnreadColumns<kShortHeightUnread>();
    }
    char station[16];
    record.Name(layout.station, layout.maxNameLength, station);
    heights[station] = record.Number(layout.height) * record.UnitFactor(layout.unit, settings_);
}

bool ObservationConverter::Refuse(const RecordView& record, Kind kind) {
    ConversionReport& report = outcome_.report;
    // Its standard deviation would lack the sigma record's part.
    if (!record.IsBlank(kSigmaRecord)) {
        CountByType(report.sigmaObservations, std::string(record.Trimmed({kRecordTypeColumn, kRecordTypeWidth})),
                    record.LineNumber());
        return true;
    }
    if (kind == Kind::kDistance) return false;
    // Negative in any angle unit.
    if (kind == Kind::kZenithAngle) {
        const ObservationLayout& layout = LayoutOf(kind, record.IsLongLayout());
        const std::string_view degrees = record.Trimmed(layout.degrees);
        if (record.Trimmed(layout.sign) == "-" || (!degrees.empty() && degrees[0] == '-')) {
            Count(report.negativeZenithAngles, record.LineNumber());
            return true;
        }
    }
    // The file's angles may be in another unit than degrees.
    if (settings_.angleUnitLine > 0) {
        Count(report.anglesOfAngleUnit, record.LineNumber());
        report.angleUnitLine = settings_.angleUnitLine;
        return true;
    }
    return false;
}

bool ObservationConverter::RefuseNames(const RecordView& record, const ObservationRecord& observation,
                                       const Field (&names)[3]) {
    const char(*written[3])[16] = {&observation.atStation, &observation.backsight, &observation.toStation};
    for (std::size_t i = 0; i < 3; ++i) {
        if (names[i].width == 0) continue;
        if (RefuseNameWithSemicolon(record, *written[i], outcome_) ||
            names_.RefuseNameWrittenAlike(record, names[i], *written[i], outcome_)) {
            return true;
        }
    }
    return false;
}

void ObservationConverter::OpenRun() {
    if (inRun_ || outcome_.result != kResultOk) return;
    WriteObservationsStart(output_, outcome_.result);
    inRun_ = true;
}

void ObservationConverter::Write(const ObservationRecord& observation) {
    OpenRun();
    if (outcome_.result == kResultOk) WriteObservationLine(observation, output_, outcome_.result);
    if (outcome_.result != kResultOk) return;
    ++outcome_.report.written.observations;
    if (observation.kind != Kind::kDistance) wroteAngles_ = true;
}

}  // namespace iob
