#include "reading/read_primitives.h"

#include <cstring>

#include <iob/result_codes.h>

#include "reading/number_text.h"

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

double ExtractNumber(int startColumn, int width, const char* line, int lineLength) {
    constexpr int kMaxNumberWidth = 99;  // the size of the number buffer, less its NUL
    if (startColumn > lineLength || startColumn < 1 || width < 1) return 0.0;
    // The field is read in place: the same bytes that ExtractField would cut.
    const char* field = line + startColumn - 1;
    int available = lineLength - (startColumn - 1);
    int length = width < kMaxNumberWidth ? width : kMaxNumberWidth;
    return ParseNumber(field, field + (length < available ? length : available));
}

}  // namespace iob
