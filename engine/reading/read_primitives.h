// Reading primitives of the IOB file: data lines, and fixed-column fields
// cut as text or read as numbers; the trimming functions are in <iob/trim.h>.
// Every text is a NUL-ended byte buffer, changed in place (a data line may be
// left in the reader's own buffer);
// nothing here allocates.
#pragma once

#include <cstddef>
#include <cstring>

#include <iob/conversion_report.h>
#include <iob/result_codes.h>
#include <iob/text_stream.h>
#include <iob/trim.h>

#include "reading/number_text.h"

namespace iob {

// What ReadDataLine could not read whole: the lines it cut (how many, and
// the line of the first), and the data lines whose NUL byte ended what was
// read of them.
struct LineFlaws {
    long long cutLines = 0;
    LineNumber firstCutLine = 0;
    DoubtList nulBytes;

    void AddCut(LineNumber line) {
        if (cutLines++ == 0) firstCutLine = line;
    }
    // `line`, as read, ends at a NUL byte in the column after `length`;
    // `rest` holds what followed it, up to the line end. Notes the data line
    // whose bytes after the NUL were lost.
    void CheckNul(const char* line, std::size_t length, const char* rest, const char* restEnd, LineNumber lineNumber);
};

// True when `line`, as ReadDataLine returned it, is a data line.
inline bool IsDataLine(const char* line) { return line[0] != '\0' && line[0] != '!'; }

// Reads the next data line and returns it, NUL-ended, with its length in
// `length`; it stays valid until the next read. A line that lies whole in
// the input's read buffer is left there (see TextReader::TakeBufferedLine)
// and changed in place; any other is read into `buffer` (of `bufferSize`
// bytes). A line is cut to its first bufferSize - 3 bytes; the rest of a
// longer line, up to its line end, is read past and lost, so that it never
// reads as a record of its own, and the cut is counted in `flaws`, as is a
// NUL byte that ends the text of a data line with more behind it. Comment
// lines ("!" in column 1) and blank lines are skipped; trailing blanks, the
// line end among them, are removed. Every physical line read, and the read
// that meets the end of the data, adds 1 to `lineCounter`. Outcomes:
//   data line   - result 0, the line returned; input.AtEnd() is set only
//                 when it was the file's last line and had no line end;
//   end of data - result 0, input.AtEnd() set, no data line returned;
//   read error  - result 5014.
// Inline, as every pass calls it for every line of the file.
inline const char* ReadDataLine(TextReader& input, int bufferSize, char* buffer, LineNumber& lineCounter, int& result,
                                LineFlaws& flaws, std::size_t& length) {
    result = kResultOk;
    const std::size_t maxBytes = static_cast<std::size_t>(bufferSize - 3);
    for (;;) {
        ++lineCounter;
        // Most lines are read where they stand, neither copied first nor
        // searched for their end twice (docs/performance.md).
        char* line = input.TakeBufferedLine(maxBytes, length);
        if (line == nullptr) {
            line = buffer;
            std::size_t count = input.ReadLine(buffer, maxBytes);
            if (count == maxBytes && buffer[count - 1] != '\n' && input.SkipRestOfLine() > 0) {
                flaws.AddCut(lineCounter);
            }
            if (input.Failed()) {
                result = kResultReadError;
                length = 0;
                return buffer;
            }
            // The text ends at a NUL, if the line holds one.
            length = std::strlen(buffer);
            if (length < count) flaws.CheckNul(buffer, length, buffer + length + 1, buffer + count, lineCounter);
        }
        // Its trailing blanks go, the line end among them.
        while (length > 0 && IsBlankByte(line[length - 1])) --length;
        line[length] = '\0';
        if (IsDataLine(line) || input.AtEnd()) return line;
    }
}

// Copies `width` bytes from the 1-based `startColumn` of `line` into `out`
// (width + 1 bytes), fewer when the line ends first, none when it ends before
// the column. Not trimmed. Line "ab": (1,4) -> "ab", (2,1) -> "b", (3,1) -> "".
char* ExtractField(int startColumn, int width, const char* line, int lineLength, char* out);

// A field's number as ReadFieldNumber reads it: the value, where it ends in
// the line (the field's start when it holds none, the line's end when the
// field starts beyond it), and whether it reaches to the field's end (as far
// as the line reaches), or the field lies beyond the line.
struct FieldNumber {
    double value;
    const char* stop;
    bool whole;
};

// The field cut as ExtractField does (at most 99 bytes), read by ReadNumber:
// 0.0 when the field starts beyond the line or holds no number.
// Inline, as every number of every record is read through it.
inline FieldNumber ReadFieldNumber(int startColumn, int width, const char* line, int lineLength) {
    constexpr int kMaxNumberWidth = 99;  // the size of the number buffer, less its NUL
    if (startColumn > lineLength || startColumn < 1 || width < 1) return {0.0, line + lineLength, true};
    // The field is read in place: the same bytes that ExtractField would cut.
    const char* field = line + startColumn - 1;
    const int available = lineLength - (startColumn - 1);
    const int length = width < kMaxNumberWidth ? width : kMaxNumberWidth;
    const char* end = field + (length < available ? length : available);
    const NumberRead read = ReadNumber(field, end);
    return {read.value, read.stop, read.stop == end};
}

// The value alone.
inline double ExtractNumber(int startColumn, int width, const char* line, int lineLength) {
    return ReadFieldNumber(startColumn, width, line, lineLength).value;
}

}  // namespace iob
