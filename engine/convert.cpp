#include "convert.h"

#include <cstring>
#include <new>
#include <string>

#include "output_lines.h"
#include "pass_frame.h"
#include "station_pass.h"
#include "vector_pass.h"

namespace {

constexpr char kTitleComment[] = "! IOB File Record Type TITL - ";
constexpr char kEllipsoidComment[] = "! IOB File Record Type ELIP";
constexpr char kStationComment[] = "! IOB-File Record Type PLH or PLO";

// Pass 1 columns.
constexpr int kTitleColumn = 7, kTitleWidth = 73;
constexpr int kDatumColumn = 7, kDatumWidth = 15;
constexpr int kSemiMajorColumn = 24, kSemiMajorWidth = 13;
constexpr int kSemiMinorColumn = 38, kSemiMinorWidth = 13;
constexpr int kUnitCodeColumn = 7, kUnitCodeWidth = 2;
constexpr int kUnitFactorColumn = 10, kUnitFactorWidth = 16;

// Pass 1: every TITL record gives its comment line at once; ELIP and LUNT
// records set the datum and the custom unit; the ELIP comment waits in
// `comment` for the line before $DATUM, and a later TITL record drops it.
void ReadHeaderRecords(ConversionSettings& settings, TextReader& input, TextWriter& output,
                       std::string& comment, int& lineCounter, int& result) {
    RunPass(input, lineCounter, result, [&](const char* recordType, const char* line, int length) {
        char field[kTitleWidth + 1];
        if (IsRecordType(recordType, "TITL")) {
            comment = kTitleComment;
            comment += ExtractField(kTitleColumn, kTitleWidth, line, length, field);
            WriteTextLine(output, comment.c_str(), result);
            comment.clear();
        } else if (IsRecordType(recordType, "ELIP")) {
            settings.datumName = ExtractField(kDatumColumn, kDatumWidth, line, length, field);
            double a = ExtractNumber(kSemiMajorColumn, kSemiMajorWidth, line, length);
            double b = ExtractNumber(kSemiMinorColumn, kSemiMinorWidth, line, length);
            settings.semiMajorAxis = a;
            settings.inverseFlattening = 1.0 / ((a - b) / a);
            comment = kEllipsoidComment;
        } else if (IsRecordType(recordType, "LUNT")) {
            settings.customUnitCode = ExtractField(kUnitCodeColumn, kUnitCodeWidth, line, length, field);
            settings.customUnitFactor = ExtractNumber(kUnitFactorColumn, kUnitFactorWidth, line, length);
        }
    });
}

// The three passes in the order of the output file. A rewind that fails
// (the input is a pipe) is a read error before the pass's first line.
void ConvertPasses(ConversionSettings& settings, TextReader& input, TextWriter& output,
                   int& lineCounter, int& result) {
    StationTable stations;
    std::string comment;

    ReadHeaderRecords(settings, input, output, comment, lineCounter, result);
    if (result == kResultReadError) return;
    WriteTextLine(output, comment.c_str(), result);
    if (result == kResultOk) WriteHeaderBlock(settings, output, result);

    if (!input.Rewind()) {
        lineCounter = 0;
        result = kResultReadError;
        return;
    }
    if (result == kResultOk) CollectStations(settings, input, stations, lineCounter, result);
    if (result == kResultReadError) return;
    WriteTextLine(output, kStationComment, result);
    for (const StationRecord& station : stations) {
        if (result != kResultOk) break;
        WriteStationLine(station, output, result);
    }

    if (!input.Rewind()) {
        lineCounter = 0;
        result = kResultReadError;
        return;
    }
    if (result == kResultOk) ConvertVectorGroups(settings, input, output, lineCounter, result);
}

}  // namespace

void ConvertIobFile(ConversionSettings& settings, TextReader& input, TextWriter& output,
                    int& lineCounter, int& result) {
    result = kResultOk;
    lineCounter = 0;
    try {
        ConvertPasses(settings, input, output, lineCounter, result);
    } catch (const std::bad_alloc&) {
        // The station table, a group or a text could not grow: stop where we are.
        result = kResultOutOfMemory;
    }
}
