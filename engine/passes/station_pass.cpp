#include "passes/station_pass.h"

#include <cmath>

#include "reading/pass_runner.h"
#include "reading/record_view.h"

namespace iob {
namespace {

// PLH and PLO columns. A "*" in column 10 selects the long layout, whose
// name is 31 columns wide; every item after the name lies 19 columns further right.
struct StationLayout {
    Field name;
    Field latitudeHemisphere, latitudeDegrees, latitudeMinutes, latitudeSeconds;
    Field longitudeHemisphere, longitudeDegrees, longitudeMinutes, longitudeSeconds;
    Field height, heightUnit;
    int maxNameLength;
};

constexpr StationLayout kShortLayout = {{11, 12}, {24, 1}, {25, 3}, {29, 2},  {32, 9}, {42, 1},
                                        {43, 3},  {47, 2}, {50, 9}, {60, 12}, {73, 2}, 12};
constexpr StationLayout kLongLayout = {{11, 31}, {43, 1}, {44, 3}, {48, 2},  {51, 9}, {61, 1},
                                       {62, 3},  {66, 2}, {69, 9}, {79, 12}, {92, 2}, 15};

bool IsStationRecord(const char* recordType) {
    return IsRecordType(recordType, "PLH ") || IsRecordType(recordType, "PLO ");
}

// True when `text` is the one letter `upper`, in upper or lower case.
bool IsLetterInEitherCase(const char* text, char upper) {
    return text[0] != '\0' && text[1] == '\0' && (text[0] == upper || text[0] == upper - 'A' + 'a');
}

struct Angle {
    double packed;   // DD.MMSSsssss
    double degrees;  // decimal degrees
};

// Degrees + minutes x 0.01 + seconds x 0.0001 times the sign of the
// hemisphere letter: 45 30 12.3456 N -> 45.30123456. A minus sign on the
// degrees (even on "-0") negates the whole angle, minutes and seconds too:
// -45 30 N -> -45.30, not -44.70. The decimal degrees come from the same
// fields, not from the packed number, whose binary value is not the decimals
// typed (45.30 taken apart gives 29' 99.99").
Angle ReadAngle(const RecordView& record, Field hemisphere, Field degrees, Field minutes, Field seconds,
                char negativeLetter) {
    char letter[2];
    double sign = IsLetterInEitherCase(record.Text(hemisphere, letter), negativeLetter) ? -1.0 : 1.0;
    double d = record.Number(degrees);
    double m = record.Number(minutes);
    double s = record.Number(seconds);
    double decimal = ((std::fabs(d) + m / 60.0) + s / 3600.0) * sign;
    if (std::signbit(d)) return {((std::fabs(d) + m * 0.01) + s * 0.0001) * sign * -1.0, decimal * -1.0};
    return {((m * 0.01 + s * 0.0001) + d) * sign, decimal};
}

}  // namespace

StationRecord ParseStationRecord(const RecordView& record, double customUnitFactor) {
    const StationLayout& layout = record.IsLongLayout() ? kLongLayout : kShortLayout;

    StationRecord station{};
    record.Name(layout.name, layout.maxNameLength, station.name);
    Angle latitude = ReadAngle(record, layout.latitudeHemisphere, layout.latitudeDegrees, layout.latitudeMinutes,
                               layout.latitudeSeconds, 'S');
    Angle longitude = ReadAngle(record, layout.longitudeHemisphere, layout.longitudeDegrees, layout.longitudeMinutes,
                                layout.longitudeSeconds, 'W');
    station.latitude = latitude.packed;
    station.longitude = longitude.packed;
    station.latitudeDegrees = latitude.degrees;
    station.longitudeDegrees = longitude.degrees;
    station.height = record.UnitFactor(layout.heightUnit, customUnitFactor) * record.Number(layout.height);
    return station;
}

void CollectStations(const ConversionSettings& settings, TextReader& input, StationTable& stations, WrittenNames& names,
                     ConversionOutcome& outcome) {
    RunPass(
        input, outcome, IsStationRecord, [](const RecordView&) {},
        [&](const RecordView& record) {
            StationRecord station = ParseStationRecord(record, settings.customUnitFactor);
            if (RefuseNameWithSemicolon(record, station.name, outcome)) return;
            const Field name = (record.IsLongLayout() ? kLongLayout : kShortLayout).name;
            if (names.RefuseNameWrittenAlike(record, name, station.name, outcome)) return;
            stations.push_back(station);
        });
}

}  // namespace iob
