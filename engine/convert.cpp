#include <iob/convert.h>

#include <cmath>
#include <new>
#include <string>

#include "flushed_output.h"
#include "output_format.h"
#include "pass_frame.h"
#include "record_field.h"
#include "record_types.h"
#include "station_pass.h"
#include "vector_pass.h"

namespace iob {
namespace {

// Pass 1 columns.
constexpr Field kTitle = {7, 73};
constexpr Field kDatumName = {7, 15};
constexpr Field kSemiMajorAxis = {24, 13};
constexpr Field kSemiMinorAxis = {38, 13};
constexpr Field kUnitCode = {7, 2};
constexpr Field kUnitFactor = {10, 16};

// Pass 1: every TITL record gives its comment line at once; ELIP and LUNT
// records set the datum and the custom unit. The ELIP comment waits for the
// line before $DATUM, and a later TITL record drops it: `ellipsoidComment`
// tells whether it is still due.
void ReadHeaderRecords(ConversionSettings& settings, TextReader& input, TextWriter& output, bool& ellipsoidComment,
                       ConversionOutcome& outcome) {
    // Pass 1 sees every record: it accounts for those no pass converts.
    auto tally = [&outcome](const char* recordType, int line) {
        RecordKind kind = ClassifyRecordType(recordType);
        if (kind == RecordKind::kNotConverted || kind == RecordKind::kUnknown) {
            TallySkippedRecord(recordType, kind, line, outcome.report);
        }
    };
    auto wanted = [](const char* recordType) {
        return IsRecordType(recordType, "TITL") || IsRecordType(recordType, "ELIP") || IsRecordType(recordType, "LUNT");
    };
    RunPass(input, outcome, wanted, tally, [&](const char* recordType, const char* line, int length) {
        char field[kTitle.width + 1];
        if (IsRecordType(recordType, "TITL")) {
            WriteTitleLine(output, ExtractField(kTitle.column, kTitle.width, line, length, field), outcome.result);
            if (outcome.result == kResultOk) ++outcome.report.titleLines;
            ellipsoidComment = false;
        } else if (IsRecordType(recordType, "ELIP")) {
            settings.datumName = ExtractField(kDatumName.column, kDatumName.width, line, length, field);
            double a = ExtractNumber(kSemiMajorAxis.column, kSemiMajorAxis.width, line, length);
            double b = ExtractNumber(kSemiMinorAxis.column, kSemiMinorAxis.width, line, length);
            settings.semiMajorAxis = a;
            settings.inverseFlattening = 1.0 / ((a - b) / a);
            ellipsoidComment = true;
        } else if (IsRecordType(recordType, "LUNT")) {
            // A factor that is not a finite positive number would make every
            // length in the custom unit 0 or negative without a word.
            double factor = ExtractNumber(kUnitFactor.column, kUnitFactor.width, line, length);
            if (!(std::isfinite(factor) && factor > 0.0)) {
                outcome.result = kResultInvalidUnitFactor;
                return;
            }
            settings.customUnitCode = ExtractField(kUnitCode.column, kUnitCode.width, line, length, field);
            settings.customUnitFactor = factor;
        }
    });
}

// Goes back to the start for the next pass, once what was written is in the
// file: a full disk is reported as the write error it is, before the rewind
// can fail. A rewind that fails (the input is a pipe) is a read error before
// the pass's first line.
bool RewindForNextPass(TextReader& input, FlushedOutput& flushed, ConversionOutcome& outcome) {
    if (!flushed.Flush(outcome)) return false;
    if (input.Rewind()) return true;
    outcome.failingLine = 0;
    outcome.result = kResultReadError;
    return false;
}

// The three passes in the order of the output file. The first failure ends
// the conversion: nothing more is read or written, so it is the one reported.
void ConvertPasses(ConversionSettings& settings, TextReader& input, TextWriter& output, FlushedOutput& flushed,
                   ConversionOutcome& outcome) {
    bool ellipsoidComment = false;
    ReadHeaderRecords(settings, input, output, ellipsoidComment, outcome);
    if (outcome.result != kResultOk) return;
    WriteDatumCommentLine(output, ellipsoidComment, outcome.result);
    if (outcome.result != kResultOk) return;
    WriteHeaderBlock(settings, output, outcome.result);
    if (outcome.result != kResultOk || !RewindForNextPass(input, flushed, outcome)) return;

    StationTable stations;
    CollectStations(settings, input, stations, outcome);
    if (outcome.result != kResultOk) return;
    outcome.report.stations = WriteStationLines(stations, output, outcome.result);
    if (outcome.result != kResultOk || !RewindForNextPass(input, flushed, outcome)) return;

    ConvertVectorGroups(settings, stations, input, output, outcome);
}

}  // namespace

ConversionOutcome RunConversion(ConversionSettings& settings, TextReader& input, TextWriter& output) {
    ConversionOutcome outcome;
    FlushedOutput flushed(output);
    try {
        ConvertPasses(settings, input, output, flushed, outcome);
    } catch (const std::bad_alloc&) {
        // The station table, a group or a text could not grow: stop where we are.
        outcome.result = kResultOutOfMemory;
    }
    flushed.Flush(outcome);
    return outcome;
}

}  // namespace iob
