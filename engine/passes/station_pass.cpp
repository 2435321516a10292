#include "passes/station_pass.h"

#include <cmath>

#include "passes/repeated_stations.h"
#include "reading/packed_angle.h"
#include "reading/pass_runner.h"
#include "reading/record_view.h"
#include "reading/visible_text.h"

namespace iob {
namespace {

// PLH and PLO columns. A "*" in column 10 selects the long layout, whose
// name is 31 columns wide; every item after the name lies 19 columns further right.
struct StationLayout {
    Field layoutMark, name;
    Field latitudeHemisphere, latitudeDegrees, latitudeMinutes, latitudeSeconds;
    Field longitudeHemisphere, longitudeDegrees, longitudeMinutes, longitudeSeconds;
    Field height, heightUnit;
    int maxNameLength;

    constexpr UnreadColumns Unread() const {
        return ColumnsBetween({layoutMark, name, latitudeHemisphere, latitudeDegrees, latitudeMinutes, latitudeSeconds,
                               longitudeHemisphere, longitudeDegrees, longitudeMinutes, longitudeSeconds, height,
                               heightUnit});
    }
};

// Columns 7, 8 and 9 hold the latitude, the longitude and the height fixed
// unless blank or "0".
constexpr int kLatitudeFixColumn = 7;
constexpr int kLongitudeFixColumn = 8;
constexpr int kHeightFixColumn = 9;
constexpr Field kLayoutMark = {10, 1};
constexpr StationLayout kShortLayout = {
    kLayoutMark,
    {11, 12, Accepts::kName},
    {24, 1},
    {25, 3, Accepts::kLatitudeDegrees},
    {29, 2, Accepts::kMinutes},
    {32, 9, Accepts::kMinutes},
    {42, 1},
    {43, 3, Accepts::kLongitudeDegrees},
    {47, 2, Accepts::kMinutes},
    {50, 9, Accepts::kMinutes},
    {60, 12, Accepts::kNumber},
    {73, 2, Accepts::kUnitCode},
    12,
};
constexpr StationLayout kLongLayout = {
    kLayoutMark,
    {11, 31, Accepts::kName},
    {43, 1},
    {44, 3, Accepts::kLatitudeDegrees},
    {48, 2, Accepts::kMinutes},
    {51, 9, Accepts::kMinutes},
    {61, 1},
    {62, 3, Accepts::kLongitudeDegrees},
    {66, 2, Accepts::kMinutes},
    {69, 9, Accepts::kMinutes},
    {79, 12, Accepts::kNumber},
    {92, 2, Accepts::kUnitCode},
    15,
};
constexpr UnreadColumns kShortUnread = kShortLayout.Unread();
constexpr UnreadColumns kLongUnread = kLongLayout.Unread();

bool IsStationRecord(const char* recordType) {
    return IsRecordType(recordType, "PLH ") || IsRecordType(recordType, "PLO ");
}

struct Angle {
    double packed;   // DD.MMSSsssss
    double degrees;  // decimal degrees
};

// The packed angle times the sign of the hemisphere letter: 45 30 12.3456 S
// -> -45.30123456. The decimal degrees come from the same fields, not from
// the packed number, whose binary value is not the decimals typed (45.30
// taken apart gives 29' 99.99").
Angle ReadAngle(const RecordView& record, Field hemisphere, Field degrees, Field minutes, Field seconds,
                char negativeLetter) {
    double sign = record.HoldsLetter(hemisphere, negativeLetter) ? -1.0 : 1.0;
    double d = record.Number(degrees);
    double m = record.Number(minutes);
    double s = record.Number(seconds);
    double decimal = ((std::fabs(d) + m / 60.0) + s / 3600.0) * sign;
    return {PackedAngle(d, m, s) * sign, std::signbit(d) ? decimal * -1.0 : decimal};
}

// Both lines of a name given twice, and whether the positions differ.
void NoteRepeatedStation(const StationRecord& earlier, const StationRecord& later, ConversionReport& report) {
    DoubtList& doubts = report.Doubts(DoubtKind::kStationTwice);
    if (!doubts.Lists()) {
        ++doubts.count;
        return;
    }
    Doubt doubt;
    doubt.line = later.line;
    doubt.otherLine = earlier.line;
    doubt.text = VisibleText(later.name);
    doubt.differs =
        earlier.latitude != later.latitude || earlier.longitude != later.longitude || earlier.height != later.height;
    doubts.Add(std::move(doubt));
}

}  // namespace

StationRecord ParseStationRecord(const RecordView& record, const ConversionSettings& settings) {
    const bool longLayout = record.IsLongLayout();
    const StationLayout& layout = longLayout ? kLongLayout : kShortLayout;
    if (longLayout) {
        record.CheckUnreadColumns<kLongUnread>();
    } else {
        record.CheckUnreadColumns<kShortUnread>();
    }

    StationRecord station{};
    station.SetLine(record.LineNumber());
    station.latitudeFixed = record.IsFlagSet(kLatitudeFixColumn);
    station.longitudeFixed = record.IsFlagSet(kLongitudeFixColumn);
    station.heightFixed = record.IsFlagSet(kHeightFixColumn);
    record.Name(layout.name, layout.maxNameLength, station.name);
    Angle latitude = ReadAngle(record, layout.latitudeHemisphere, layout.latitudeDegrees, layout.latitudeMinutes,
                               layout.latitudeSeconds, 'S');
    Angle longitude = ReadAngle(record, layout.longitudeHemisphere, layout.longitudeDegrees, layout.longitudeMinutes,
                                layout.longitudeSeconds, 'W');
    station.latitude = latitude.packed;
    station.longitude = longitude.packed;
    station.latitudeDegrees = latitude.degrees;
    station.longitudeDegrees = longitude.degrees;
    station.height = record.UnitFactor(layout.heightUnit, settings) * record.Number(layout.height);
    return station;
}

void CollectStations(const ConversionSettings& settings, TextReader& input, const StationRecordCounts& counts,
                     StationTable& stations, WrittenNames& names, ConversionOutcome& outcome) {
    RepeatedStations repeated(static_cast<std::size_t>(counts.records - counts.longLayout),
                              static_cast<std::size_t>(counts.records));
    RunPass(
        input, outcome, IsStationRecord, [](const RecordView&) {},
        [&](const RecordView& record) {
            StationRecord station = ParseStationRecord(record, settings);
            if (RefuseNameWithSemicolon(record, station.name, outcome)) return;
            const Field name = (record.IsLongLayout() ? kLongLayout : kShortLayout).name;
            if (names.RefuseNameWrittenAlike(record, name, station.name, outcome)) return;
            stations.push_back(station);
            if (const StationRecord* earlier = repeated.EarlierOfName(stations, names)) {
                NoteRepeatedStation(*earlier, station, outcome.report);
            }
        });
}

}  // namespace iob
