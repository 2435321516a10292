#include <iob/convert.h>

#include <new>

#include "passes/header_pass.h"
#include "passes/station_pass.h"
#include "passes/vector_pass.h"
#include "writing/flushed_output.h"
#include "writing/output_format.h"
#include "writing/single_line_format.h"

namespace iob {
namespace {

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
void ConvertPasses(ConversionSettings& settings, OutputSyntax syntax, TextReader& input, TextWriter& output,
                   FlushedOutput& flushed, ConversionOutcome& outcome) {
    const bool singleLine = syntax == OutputSyntax::kSingleLine;
    bool ellipsoidComment = false;
    StationRecordCounts stationRecords;
    ReadHeaderRecords(settings, syntax, input, output, ellipsoidComment, stationRecords, outcome);
    if (outcome.result != kResultOk) return;
    WriteDatumCommentLine(output, ellipsoidComment, outcome.result);
    if (outcome.result != kResultOk) return;
    if (singleLine) {
        WriteSingleLineHeader(settings, output, outcome.result);
    } else {
        WriteHeaderBlock(settings, output, outcome.result);
    }
    if (outcome.result != kResultOk || !RewindForNextPass(input, flushed, outcome)) return;

    StationTable stations;
    // The stations' names, then those of the vectors and observations.
    WrittenNames names(static_cast<std::size_t>(stationRecords.longLayout));
    CollectStations(settings, input, stationRecords, stations, names, outcome);
    if (outcome.result != kResultOk) return;
    outcome.report.written.stations = singleLine ? WriteSingleLineStations(stations, output, outcome.result)
                                                 : WriteStationLines(stations, output, outcome.result);
    if (outcome.result != kResultOk || !RewindForNextPass(input, flushed, outcome)) return;

    ConvertVectorGroups(settings, syntax, stations, names, input, output, outcome);
}

}  // namespace

ConversionOutcome RunConversion(ConversionSettings& settings, TextReader& input, TextWriter& output,
                                OutputSyntax syntax) {
    ConversionOutcome outcome;
    FlushedOutput flushed(output);
    try {
        ConvertPasses(settings, syntax, input, output, flushed, outcome);
    } catch (const std::bad_alloc&) {
        // The station table, a group or a text could not grow: stop where we are.
        outcome.result = kResultOutOfMemory;
    }
    flushed.Flush(outcome);
    const ConversionReport& report = outcome.report;
    outcome.report.nothingConverted = outcome.result == kResultOk && report.written.stations == 0 &&
                                      report.written.vectors == 0 && report.incompleteGroupVectors == 0 &&
                                      report.written.observations == 0;
    // A failed conversion wrote no datum worth a note.
    if (outcome.result != kResultOk) outcome.report.defaultDatum.clear();
    return outcome;
}

}  // namespace iob
