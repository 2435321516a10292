#include "passes/header_pass.h"

#include <cmath>

#include "passes/observation_converter.h"
#include "reading/pass_runner.h"
#include "reading/record_types.h"
#include "reading/record_view.h"
#include "writing/output_format.h"

namespace iob {
namespace {

// TITL, ELIP and LUNT columns.
constexpr Field kTitle = {7, 73};
constexpr Field kDatumName = {7, 15};
constexpr Field kSemiMajorAxis = {24, 13, Accepts::kNumber};  // metres
constexpr Field kSemiMinorAxis = {38, 13, Accepts::kNumber};  // metres
constexpr Field kUnitCode = {7, 2};
constexpr Field kUnitFactor = {10, 16, Accepts::kNumber};  // metres per unit

bool IsHeaderRecord(const char* recordType) {
    return IsRecordType(recordType, "TITL") || IsRecordType(recordType, "ELIP") || IsRecordType(recordType, "LUNT");
}

// Counts a record of a frequent type if it is a station record: PLH and PLO
// are the frequent types that begin with P.
void CountStationRecord(const RecordView& record, StationRecordCounts& stationRecords) {
    if (record.Type()[0] != 'P') return;
    ++stationRecords.records;
    if (record.IsLongLayout()) ++stationRecords.longLayout;
}

}  // namespace

void ReadHeaderRecords(ConversionSettings& settings, OutputSyntax syntax, TextReader& input, TextWriter& output,
                       bool& ellipsoidComment, StationRecordCounts& stationRecords, ConversionOutcome& outcome) {
    // The single-line syntax converts the observations in the vector pass,
    // which counts there those it cannot convert.
    const bool observationsConverted = syntax == OutputSyntax::kSingleLine;
    stationRecords = {};
    auto tally = [&](const RecordView& record) {
        if (IsFrequentType(record.Type())) {
            CountStationRecord(record, stationRecords);
            return;
        }
        if (IsRecordType(record.Type(), "ANGT") && settings.angleUnitLine == 0) {
            settings.angleUnitLine = record.LineNumber();
        }
        if (!(observationsConverted && IsObservationOrHeightRecord(record.Type()))) {
            TallySkippedRecord(record, outcome.report);
        }
    };
    bool ellipsoidRecordRead = false;
    const LineNumber endLine = RunPass(input, outcome, IsHeaderRecord, tally, [&](const RecordView& record) {
        char field[kTitle.width + 1];
        if (IsRecordType(record.Type(), "TITL")) {
            WriteTitleLine(output, record.Text(kTitle, field), outcome.result);
            if (outcome.result == kResultOk) ++outcome.report.written.titleLines;
            ellipsoidComment = false;
        } else if (IsRecordType(record.Type(), "ELIP")) {
            settings.datumName = record.Text(kDatumName, field);
            double a = record.Number(kSemiMajorAxis);
            double b = record.Number(kSemiMinorAxis);
            settings.semiMajorAxis = a;
            settings.inverseFlattening = 1.0 / ((a - b) / a);
            ellipsoidComment = true;
            ellipsoidRecordRead = true;
        } else {
            // A factor that is not a finite positive number would make every
            // length in the custom unit 0 or negative without a word.
            double factor = record.Number(kUnitFactor);
            if (!(std::isfinite(factor) && factor > 0.0)) {
                outcome.Fail(kResultInvalidUnitFactor, {record.LineNumber()});
                return;
            }
            settings.customUnitFactor = factor;
            settings.customUnitCode = record.Trimmed(kUnitCode);
        }
    });
    // A datum that the file does not name is easy to miss in the output.
    if (!ellipsoidRecordRead) outcome.report.defaultDatum = settings.datumName;
    if (outcome.result != kResultOk) return;
    // A forgotten END drops the rest of a file without a word: say how much.
    LineNumber lastLine = outcome.failingLine;  // where the data ended
    if (endLine > 0) {
        outcome.report.endLine = endLine;
        lastLine = endLine;
        outcome.report.linesAfterEnd = CountDataLinesLeft(input, lastLine);
    }
    // So does a Ctrl-Z byte, in the middle of a file that text mode ends there.
    if (const long long lost = input.CountLinesAfterCtrlZ()) {
        Doubt doubt;
        doubt.line = lastLine;
        doubt.count = lost;
        outcome.report.Doubts(DoubtKind::kDataAfterCtrlZ).Add(std::move(doubt));
    }
}

}  // namespace iob
