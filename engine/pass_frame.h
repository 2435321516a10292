// The reading loop that every pass runs over the IOB file.
#pragma once

#include <cstring>

#include <iob/convert.h>

#include "read_primitives.h"

namespace iob {

constexpr int kLineBufferSize = 260;

// Record types are columns 2-5 of a data line, compared exactly and with case.
constexpr int kRecordTypeColumn = 2;
constexpr int kRecordTypeWidth = 4;

// True when `recordType`, a record-type field as RunPass hands it over, is
// `type`. The field is 5 bytes and fully set, so the bytes that make up
// `type` and its NUL are compared directly, without a strcmp call.
template <std::size_t N>
inline bool IsRecordType(const char* recordType, const char (&type)[N]) {
    static_assert(N <= kRecordTypeWidth + 1, "a record type is at most 4 bytes");
    return std::memcmp(recordType, type, N) == 0;
}

// "END " ends a pass; so does "END" on a line that stops after column 4.
inline bool IsEndRecord(const char* recordType) {
    return IsRecordType(recordType, "END ") || IsRecordType(recordType, "END");
}

// Reads data lines from the current position of `input` until the end of the
// data or an END record. Hands each record whose type `wanted(recordType)`
// accepts to `handle(recordType, line, lineLength)`, and tells
// `skipped(recordType, lineNumber)` of every other, while the outcome's
// result stays 0. The outcome's line counter starts from 0. A read error sets
// the result to 5014. A last line without a line end is handled like any other.
template <typename Wanted, typename Skipped, typename Handler>
void RunPass(TextReader& input, ConversionOutcome& outcome, Wanted&& wanted, Skipped&& skipped, Handler&& handle) {
    int& lineCounter = outcome.failingLine;
    int& result = outcome.result;
    char copied[kLineBufferSize];
    char recordType[kRecordTypeWidth + 1] = {};
    CutLines cut;
    lineCounter = 0;
    while (result == kResultOk) {
        std::size_t length = 0;
        const char* line = ReadDataLine(input, kLineBufferSize, copied, lineCounter, result, cut, length);
        if (result != kResultOk || !IsDataLine(line)) break;
        const int lineLength = static_cast<int>(length);
        // The record-type field, as ExtractField cuts it: a fixed-size copy
        // for every line that reaches beyond it.
        if (lineLength > kRecordTypeWidth) {
            std::memcpy(recordType, line + kRecordTypeColumn - 1, kRecordTypeWidth);
        } else {
            ExtractField(kRecordTypeColumn, kRecordTypeWidth, line, lineLength, recordType);
        }
        if (IsEndRecord(recordType)) break;
        if (wanted(recordType)) {
            handle(recordType, line, lineLength);
        } else {
            skipped(recordType, lineCounter);
        }
        if (input.AtEnd()) break;
    }
    // Every pass reads the same lines, so each counts the cut ones afresh.
    outcome.report.cutLines = cut.count;
    outcome.report.firstCutLine = cut.firstLine;
}

// The same for a pass that wants every line.
template <typename Handler>
void RunPass(TextReader& input, ConversionOutcome& outcome, Handler&& handle) {
    RunPass(
        input, outcome, [](const char*) { return true; }, [](const char*, int) {}, handle);
}

}  // namespace iob
