#include "writing/single_line_format.h"

#include <cmath>
#include <string>
#include <string_view>

#include "writing/data_line.h"
#include "writing/fixed_notation.h"
#include "writing/output_format.h"

namespace iob {
namespace {

constexpr char kObservationsComment[] = "! IOB-File Record Type DIST, AZIM, ZANG, ANGL, HI, HT";

// Writes the station's name in a fix line of `keyword`.
template <std::size_t N>
void WriteFixLine(const char (&keyword)[N], const StationRecord& station, TextWriter& output, int& result) {
    DataLine line;
    line.Add(keyword);
    line.AddNameField(station.name);
    line.Write(output, result);
}

void WriteStationCoordinates(const StationRecord& station, TextWriter& output, int& result) {
    // Orthometric and ellipsoidal heights alike, as in the compact syntax; the
    // grid coordinates, standard deviations, correlations and deflections are none.
    DataLine line;
    line.Add("_STA_COORD");
    line.AddNameField(station.name);
    line.AddField(station.latitude, kAngleDecimals);
    line.AddField(station.longitude, kAngleDecimals);
    line.AddField(station.height, kLengthDecimals);
    line.AddField(station.height, kLengthDecimals);
    line.Add("; 0; 0; 0; 0; 0; 0; 0; 0; 0; 0");
    line.Write(output, result);
}

void AddNotObserved(DataLine& line) { line.Add("; NOOBS; NOOBS"); }

void AddAngle(DataLine& line, const ObservationRecord& observation) {
    line.AddField(observation.value, kAngleDecimals);
    line.AddField(observation.standardDeviation, kAngleDeviationDecimals);
}

}  // namespace

void WriteSingleLineHeader(const ConversionSettings& settings, TextWriter& output, int& result) {
    // The name stands in a field of its own here: the blanks that pad it in
    // the ELIP record would read as part of it.
    std::string_view name = settings.datumName;
    while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
    std::string text = "_DATUM; " + std::string(name.empty() ? " " : name) + "; ";
    AppendFixed(text, settings.semiMajorAxis, kSemiMajorAxisDecimals);
    text += "; ";
    // A sphere (a equal to b) has no finite inverse flattening; 0 is its usual notation.
    AppendFixed(text, std::isfinite(settings.inverseFlattening) ? settings.inverseFlattening : 0.0,
                kInverseFlatteningDecimals);
    text += "\n_UNITS; M; D\n\n";
    output.Write(text.data(), text.size());
    if (output.Failed()) result = kResultWriteError;
}

long long WriteSingleLineStations(const StationTable& stations, TextWriter& output, int& result) {
    WriteStationComment(output, result);
    long long written = 0;
    for (const StationRecord& station : stations) {
        if (station.latitudeFixed) WriteFixLine("_LAT_NORTH_FIX", station, output, result);
        if (station.longitudeFixed) WriteFixLine("_LON_EAST_FIX", station, output, result);
        if (station.heightFixed) WriteFixLine("_HGT_FIX", station, output, result);
        if (result != kResultOk) break;
        WriteStationCoordinates(station, output, result);
        if (result != kResultOk) break;
        ++written;
    }
    return written;
}

void WriteSingleLineVectors(const std::vector<VectorRecord>& vectors, TextWriter& output, int& result) {
    for (const VectorRecord& vector : vectors) {
        const Covariance& c = vector.covariance;
        DataLine line;
        line.Add("_OBS_GPS_SET");
        line.AddNameField(vector.fromStation);
        line.AddNameField(vector.toStation);
        for (double length : {vector.dX, vector.dY, vector.dZ}) line.AddField(length, kLengthDecimals);
        for (double value : {c.xx, c.xy, c.yy, c.xz, c.yz, c.zz}) line.AddField(value, kCovarianceDecimals);
        line.Write(output, result);
        if (result != kResultOk) return;
    }
}

void WriteObservationsStart(TextWriter& output, int& result) {
    WriteTextLine(output, "", result);
    if (result == kResultOk) WriteTextLine(output, kObservationsComment, result);
}

void WriteRefractionLine(double coefficient, TextWriter& output, int& result) {
    DataLine line;
    line.Add("_REFRACTION");
    line.AddField(coefficient, kRefractionDecimals);
    line.Write(output, result);
}

void WriteObservationLine(const ObservationRecord& observation, TextWriter& output, int& result) {
    using Kind = ObservationRecord::Kind;
    DataLine line;
    line.Add(observation.kind == Kind::kHorizontalAngle ? "_OBS_HA_SET" : "_OBS_AZ_SET");
    line.AddNameField(observation.atStation);
    line.AddNameField(observation.toStation);
    // The set's members: azimuth or angle, zenith angle, slope distance.
    switch (observation.kind) {
    case Kind::kDistance:
        AddNotObserved(line);
        AddNotObserved(line);
        line.AddField(observation.value, kLengthDecimals);
        line.AddField(observation.standardDeviation, kLengthDecimals);
        break;
    case Kind::kAzimuth:
        AddAngle(line, observation);
        AddNotObserved(line);
        AddNotObserved(line);
        break;
    case Kind::kZenithAngle:
        AddNotObserved(line);
        AddAngle(line, observation);
        AddNotObserved(line);
        break;
    case Kind::kHorizontalAngle:
        line.AddNameField(observation.backsight);
        AddAngle(line, observation);
        AddNotObserved(line);
        AddNotObserved(line);
        break;
    }
    line.AddField(observation.instrumentHeight, kLengthDecimals);
    line.AddField(observation.targetHeight, kLengthDecimals);
    line.Write(output, result);
}

}  // namespace iob
