// Reading primitives of the IOB file: data lines, fixed-column fields,
// numbers and linear unit codes; the trimming functions are in <iob/trim.h>.
// Every text is a NUL-ended byte buffer of the caller's, changed in place;
// nothing here allocates.
#pragma once

#include <cstddef>

#include <iob/text_stream.h>
#include <iob/trim.h>

namespace iob {

// Reads the next data line into `buffer` (of `bufferSize` bytes). A line is
// cut to its first bufferSize - 3 bytes; the rest of a longer line, up to its
// line end, is read past and lost, so that it never reads as a record of its
// own. Comment lines ("!" in column 1) and blank lines are skipped; trailing
// blanks, the line end among them, are removed. Every physical line read, and
// the read that meets the end of the data, adds 1 to `lineCounter`. Outcomes:
//   data line   - result 0, buffer holds it; input.AtEnd() is set only when
//                 it was the file's last line and had no line end;
//   end of data - result 0, input.AtEnd() set, buffer holds no data line;
//   read error  - result 5014.
void ReadDataLine(TextReader& input, int bufferSize, char* buffer, int& lineCounter, int& result);

// The lines that ReadDataLine cut: how many, and the line of the first.
struct CutLines {
    int count = 0;
    int firstLine = 0;

    void Add(int line) {
        if (count++ == 0) firstLine = line;
    }
};
// The same, counting the lines it cuts into `cut`; returns the length of
// the text left in `buffer`.
std::size_t ReadDataLine(TextReader& input, int bufferSize, char* buffer, int& lineCounter, int& result, CutLines& cut);

// True when `buffer`, as ReadDataLine left it, holds a data line.
bool IsDataLine(const char* buffer);

// Copies `width` bytes from the 1-based `startColumn` of `line` into `out`
// (width + 1 bytes), fewer when the line ends first, none when it ends before
// the column. Not trimmed. Line "ab": (1,4) -> "ab", (2,1) -> "b", (3,1) -> "".
char* ExtractField(int startColumn, int width, const char* line, int lineLength, char* out);

// The field cut as ExtractField does (at most 99 bytes), read by ParseNumber:
// 0.0 when the field starts beyond the line or holds no number.
double ExtractNumber(int startColumn, int width, const char* line, int lineLength);

// Metres per unit of a linear unit code as cut from a record, compared whole
// and without regard to ASCII case: "FT" -> 0.3048, "Km" -> 1000.0. Any code
// outside the table ("", "xx", "m ") gives `customFactor`.
double UnitFactor(const char* code, double customFactor);

}  // namespace iob
