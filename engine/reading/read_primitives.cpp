#include "reading/read_primitives.h"

#include <cstring>
#include <utility>

#include <iob/result_codes.h>

namespace iob {

char* ExtractField(int startColumn, int width, const char* line, int lineLength, char* out) {
    out[0] = '\0';
    if (startColumn > lineLength || startColumn < 1 || width < 1) return out;
    int available = lineLength - (startColumn - 1);
    int count = width < available ? width : available;
    std::memcpy(out, line + startColumn - 1, static_cast<std::size_t>(count));
    out[count] = '\0';
    return out;
}

void LineFlaws::CheckNul(const char* line, std::size_t length, const char* rest, const char* restEnd,
                         LineNumber lineNumber) {
    if (line[0] == '!') return;  // a comment line
    while (rest < restEnd && IsBlankByte(*rest)) ++rest;
    if (rest == restEnd) return;  // nothing lost
    Doubt doubt;
    doubt.line = lineNumber;
    doubt.firstColumn = doubt.lastColumn = static_cast<int>(length) + 1;
    nulBytes.Add(std::move(doubt));
}

}  // namespace iob
