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

namespace iob {

// The lines that ReadDataLine cut: how many, and the line of the first.
struct CutLines {
    long long count = 0;
    LineNumber firstLine = 0;

    void Add(LineNumber line) {
        if (count++ == 0) firstLine = line;
    }
};

// True when `line`, as ReadDataLine returned it, is a data line.
inline bool IsDataLine(const char* line) { return line[0] != '\0' && line[0] != '!'; }

// Reads the next data line and returns it, NUL-ended, with its length in
// `length`; it stays valid until the next read. A line that lies whole in
// the input's read buffer is left there (see TextReader::TakeBufferedLine)
// and changed in place; any other is read into `buffer` (of `bufferSize`
// bytes). A line is cut to its first bufferSize - 3 bytes; the rest of a
// longer line, up to its line end, is read past and lost, so that it never
// reads as a record of its own, and the cut is counted in `cut`. Comment
// lines ("!" in column 1) and blank lines are skipped; trailing blanks, the
// line end among them, are removed. Every physical line read, and the read
// that meets the end of the data, adds 1 to `lineCounter`. Outcomes:
//   data line   - result 0, the line returned; input.AtEnd() is set only
//                 when it was the file's last line and had no line end;
//   end of data - result 0, input.AtEnd() set, no data line returned;
//   read error  - result 5014.
// Inline, as every pass calls it for every line of the file.
inline const char* ReadDataLine(TextReader& input, int bufferSize, char* buffer, LineNumber& lineCounter, int& result,
                                CutLines& cut, std::size_t& length) {
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
                cut.Add(lineCounter);
            }
            if (input.Failed()) {
                result = kResultReadError;
                length = 0;
                return buffer;
            }
            // The text ends at a NUL, if the line holds one.
            length = std::strlen(buffer);
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

// The field cut as ExtractField does (at most 99 bytes), read by ParseNumber:
// 0.0 when the field starts beyond the line or holds no number.
double ExtractNumber(int startColumn, int width, const char* line, int lineLength);

}  // namespace iob
