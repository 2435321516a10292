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

// Passes over the next line in the read buffer without copying it when the
// pass has no use for it: a comment line, or a data line whose record type
// `wanted(recordType)` refuses and that is no END record. Only a whole line
// in the buffer whose last byte before its line end is no blank, beyond
// column 5, qualifies: its columns 2-5 are then its record type just as
// ReadDataLine and the record-type field give it. Hands such a data line's
// type to `skipped(recordType, line)`. Returns false, passing over nothing,
// when the line is left to the ordinary reading.
template <typename Wanted, typename Skipped>
bool PassOverUnwantedLine(TextReader& input, ConversionOutcome& outcome, CutLines& cut, Wanted&& wanted,
                          Skipped&& skipped) {
    const char* bytes = nullptr;
    const std::size_t buffered = input.Buffered(bytes);
    const void* lineFeed = buffered > kRecordTypeWidth + 1 ? std::memchr(bytes, '\n', buffered) : nullptr;
    if (lineFeed == nullptr) return false;
    const std::size_t lineBytes = static_cast<std::size_t>(static_cast<const char*>(lineFeed) - bytes);
    const std::size_t length = lineBytes > 0 && bytes[lineBytes - 1] == '\r' ? lineBytes - 1 : lineBytes;
    const bool comment = length > 0 && bytes[0] == '!';
    char recordType[kRecordTypeWidth + 1] = {};
    if (!comment) {
        if (length <= kRecordTypeWidth + 1 || IsBlankByte(bytes[length - 1])) return false;
        if (std::memchr(bytes, '\0', kRecordTypeWidth + 1) != nullptr) return false;
        std::memcpy(recordType, bytes + 1, kRecordTypeWidth);
        if (std::memcmp(recordType, "END", 3) == 0 || wanted(recordType)) return false;
    }
    input.PassOver(lineBytes + 1);
    const int line = ++outcome.failingLine;
    // A line longer than the line buffer counts as cut, as ReadDataLine counts it.
    if (length > static_cast<std::size_t>(kLineBufferSize - 3)) cut.Add(line);
    if (!comment) skipped(recordType, line);
    return true;
}

// Reads data lines from the current position of `input` until the end of the
// data or an END record, and hands each record to
// `handle(recordType, line, lineLength)` while the outcome's result stays 0.
// The outcome's line counter starts from 0. A read error sets the result to
// 5014. A last line without a line end is handled like any other. Lines whose
// record type `wanted` refuses may be passed over unread; `skipped` is told
// of the data lines among them.
template <typename Wanted, typename Skipped, typename Handler>
void RunPass(TextReader& input, ConversionOutcome& outcome, Wanted&& wanted, Skipped&& skipped, Handler&& handle) {
    int& lineCounter = outcome.failingLine;
    int& result = outcome.result;
    char line[kLineBufferSize];
    char recordType[kRecordTypeWidth + 1] = {};
    CutLines cut;
    lineCounter = 0;
    while (result == kResultOk) {
        if (PassOverUnwantedLine(input, outcome, cut, wanted, skipped)) continue;
        int lineLength = static_cast<int>(ReadDataLine(input, kLineBufferSize, line, lineCounter, result, cut));
        if (result != kResultOk || !IsDataLine(line)) break;
        ExtractField(kRecordTypeColumn, kRecordTypeWidth, line, lineLength, recordType);
        if (IsEndRecord(recordType)) break;
        handle(recordType, line, lineLength);
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
