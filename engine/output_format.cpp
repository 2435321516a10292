#include "output_format.h"

#include <cmath>
#include <cstring>
#include <string>

#include "number_text.h"

namespace iob {
namespace {

constexpr char kTitleComment[] = "! IOB File Record Type TITL - ";
constexpr char kEllipsoidComment[] = "! IOB File Record Type ELIP";
constexpr char kStationComment[] = "! IOB-File Record Type PLH or PLO";
constexpr char kGroupComment[] = "! IOB-File Record Type DXYZ, ELEM";

// Data records put each field after "; ".
void AppendField(std::string& line, double value, int decimals) {
    line += "; ";
    AppendFixed(line, value, decimals);
}

void WriteLine(TextWriter& output, const std::string& line, int& result) {
    output.Write(line.data(), line.size());
    if (output.Failed()) result = kResultWriteError;
}

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

void WriteDatumCommentLine(TextWriter& output, bool ellipsoidRead, int& result) {
    WriteTextLine(output, ellipsoidRead ? kEllipsoidComment : "", result);
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
    std::string line;
    line.reserve(kLineCapacity);
    line = "$GEO_COMPACT; ";
    line += station.name;
    AppendField(line, station.latitude, kAngleDecimals);
    line += "; 0.0000001";
    AppendField(line, station.longitude, kAngleDecimals);
    line += "; 0.0000001";
    AppendField(line, station.height, kLengthDecimals);
    line += "; 0.0000001; 0.00000; 0.0000001";
    AppendField(line, station.height, kLengthDecimals);
    line += "; 0.0000001; 0.0000; 0.0000; 0.0000; 0.0000\n";
    WriteLine(output, line, result);
}

int WriteStationLines(const StationTable& stations, TextWriter& output, int& result) {
    WriteTextLine(output, kStationComment, result);
    int written = 0;
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
    std::string line;
    line.reserve(kLineCapacity);
    for (const VectorRecord& vector : vectors) {
        const Covariance& c = vector.covariance;
        line = "$GPS_COMPACT; ";
        line += vector.fromStation;
        line += "; ";
        line += vector.toStation;
        for (double length : {vector.dX, vector.dY, vector.dZ}) AppendField(line, length, kLengthDecimals);
        for (double value : {c.xx, c.xy, c.yy, c.xz, c.yz, c.zz}) AppendField(line, value, kCovarianceDecimals);
        line += '\n';
        WriteLine(output, line, result);
        if (result != kResultOk) return;
    }
}

}  // namespace iob
