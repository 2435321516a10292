#include "writing/output_format.h"

#include <cmath>
#include <cstring>
#include <string>

#include "writing/data_line.h"
#include "writing/fixed_notation.h"

namespace iob {
namespace {

constexpr char kTitleComment[] = "! IOB File Record Type TITL - ";
constexpr char kEllipsoidComment[] = "! IOB File Record Type ELIP";
constexpr char kStationComment[] = "! IOB-File Record Type PLH or PLO";
constexpr char kGroupComment[] = "! IOB-File Record Type DXYZ, ELEM";

}  // namespace

void WriteTextLine(TextWriter& output, const char* text, int& result) {
    result = kResultOk;
    // The text is right-aligned in a field of width 1: never an empty line.
    if (text[0] == '\0') {
        output.Write(" \n", 2);
    } else {
        output.Write(text, std::strlen(text));
        output.Write("\n", 1);
    }
    if (output.Failed()) result = kResultWriteError;
}

void WriteTitleLine(TextWriter& output, const char* title, int& result) {
    std::string line = kTitleComment;
    line += title;
    WriteTextLine(output, line.c_str(), result);
}

void WriteDatumCommentLine(TextWriter& output, bool ellipsoidComment, int& result) {
    WriteTextLine(output, ellipsoidComment ? kEllipsoidComment : "", result);
}

void WriteHeaderBlock(const ConversionSettings& settings, TextWriter& output, int& result) {
    result = kResultOk;
    // The name has a width of at least 1: an empty one is written as one blank.
    std::string datum = "$DATUM\n  " + (settings.datumName.empty() ? " " : settings.datumName) + "\n  ";
    AppendFixed(datum, settings.semiMajorAxis, kSemiMajorAxisDecimals);
    datum += "\n  ";
    // A sphere (a equal to b) has no finite inverse flattening; 0 is its usual notation.
    double inverseFlattening = std::isfinite(settings.inverseFlattening) ? settings.inverseFlattening : 0.0;
    AppendFixed(datum, inverseFlattening, kInverseFlatteningDecimals);
    datum += "\n";
    const char* sections[] = {"\n$UNITS\nM\nD\n1\n", "\n$NETTYP\n3\n\n"};

    output.Write(datum.data(), datum.size());
    for (const char* section : sections) {
        if (output.Failed()) break;
        output.Write(section, std::strlen(section));
    }
    if (output.Failed()) result = kResultWriteError;
}

void WriteStationLine(const StationRecord& station, TextWriter& output, int& result) {
    // The precision of each coordinate, 1e-7, and the zero and repeated
    // height columns are fixed parts of the line, as are the four trailing 0.0000.
    DataLine line;
    line.Add("$GEO_COMPACT; ");
    line.AddName(station.name);
    line.AddField(station.latitude, kAngleDecimals);
    line.Add("; 0.0000001");
    line.AddField(station.longitude, kAngleDecimals);
    line.Add("; 0.0000001");
    line.AddField(station.height, kLengthDecimals);
    line.Add("; 0.0000001; 0.00000; 0.0000001");
    line.AddField(station.height, kLengthDecimals);
    line.Add("; 0.0000001; 0.0000; 0.0000; 0.0000; 0.0000");
    line.Write(output, result);
}

void WriteStationComment(TextWriter& output, int& result) { WriteTextLine(output, kStationComment, result); }

long long WriteStationLines(const StationTable& stations, TextWriter& output, int& result) {
    WriteStationComment(output, result);
    long long written = 0;
    for (const StationRecord& station : stations) {
        if (result != kResultOk) break;
        WriteStationLine(station, output, result);
        if (result == kResultOk) ++written;
    }
    return written;
}

void WriteGroupStart(TextWriter& output, int& result) {
    WriteTextLine(output, "", result);
    if (result == kResultOk) WriteTextLine(output, kGroupComment, result);
}

void WriteVectorLines(const std::vector<VectorRecord>& vectors, TextWriter& output, int& result) {
    for (const VectorRecord& vector : vectors) {
        const Covariance& c = vector.covariance;
        DataLine line;
        line.Add("$GPS_COMPACT; ");
        line.AddName(vector.fromStation);
        line.Add("; ");
        line.AddName(vector.toStation);
        for (double length : {vector.dX, vector.dY, vector.dZ}) line.AddField(length, kLengthDecimals);
        for (double value : {c.xx, c.xy, c.yy, c.xz, c.yz, c.zz}) line.AddField(value, kCovarianceDecimals);
        line.Write(output, result);
        if (result != kResultOk) return;
    }
}

}  // namespace iob
