// Runs a pass: the reading loop that every pass makes over the IOB file.
#pragma once

#include <cstring>

#include <iob/conversion_outcome.h>
#include <iob/text_stream.h>

#include "reading/read_primitives.h"
#include "reading/record_types.h"
#include "reading/record_view.h"

namespace iob {

constexpr int kLineBufferSize = 260;

// Reads data lines from the current position of `input` until the end of the
// data or an END record. Hands each record whose type `wanted(recordType)`
// accepts to `handle(record)`, and every other to `skipped(record)`, while
// the outcome's result stays 0. Lines are counted from the pass's start; the
// outcome's failing line is the last one read when the pass ends. A read
// error sets the result to 5014. A last line without a line end is
// handled like any other. Returns the END record's line, or 0 when the data
// ended without one.
template <typename Wanted, typename Skipped, typename Handler>
LineNumber RunPass(TextReader& input, ConversionOutcome& outcome, Wanted&& wanted, Skipped&& skipped,
                   Handler&& handle) {
    LineNumber lineCounter = 0;
    int& result = outcome.result;
    char copied[kLineBufferSize];
    char recordType[kRecordTypeWidth + 1] = {};
    LineFlaws flaws;
    LineNumber endLine = 0;
    while (result == kResultOk) {
        std::size_t length = 0;
        const char* line = ReadDataLine(input, kLineBufferSize, copied, lineCounter, result, flaws, length);
        if (result != kResultOk || !IsDataLine(line)) break;
        const int lineLength = static_cast<int>(length);
        // The record-type field, as ExtractField cuts it: a fixed-size copy
        // for every line that reaches beyond it.
        if (lineLength > kRecordTypeWidth) {
            std::memcpy(recordType, line + kRecordTypeColumn - 1, kRecordTypeWidth);
        } else {
            ExtractField(kRecordTypeColumn, kRecordTypeWidth, line, lineLength, recordType);
        }
        if (IsEndRecord(recordType)) {
            endLine = lineCounter;
            break;
        }
        const RecordView record(line, lineLength, lineCounter, recordType, &outcome.report);
        if (wanted(recordType)) {
            handle(record);
        } else {
            skipped(record);
        }
        if (input.AtEnd()) break;
    }
    outcome.failingLine = lineCounter;
    // Every pass reads the same lines, so each counts the cut ones afresh.
    outcome.report.cutLines = flaws.cutLines;
    outcome.report.firstCutLine = flaws.firstCutLine;
    outcome.report.Doubts(DoubtKind::kNulByte) = flaws.nulBytes;
    return endLine;
}

// Counts the data lines from the current position of `input` to the end of
// the data: those after an END record, which no pass reads; `lineCounter`
// goes on counting. A read error ends the count; the conversion does not
// need these lines.
inline long long CountDataLinesLeft(TextReader& input, LineNumber& lineCounter) {
    char copied[kLineBufferSize];
    LineFlaws flaws;
    long long count = 0;
    int result = kResultOk;
    while (!input.AtEnd()) {
        std::size_t length = 0;
        const char* line = ReadDataLine(input, kLineBufferSize, copied, lineCounter, result, flaws, length);
        if (result != kResultOk) break;
        if (IsDataLine(line)) ++count;
    }
    return count;
}

// The same for a pass that wants every line.
template <typename Handler>
LineNumber RunPass(TextReader& input, ConversionOutcome& outcome, Handler&& handle) {
    return RunPass(
        input, outcome, [](const char*) { return true; }, [](const RecordView&) {}, handle);
}

}  // namespace iob
