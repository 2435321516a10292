#include <iob/trim.h>

#include <cstring>

namespace iob {

char* TrimLeading(char* text) {
    std::size_t skip = 0;
    while (text[skip] != '\0' && IsBlankByte(text[skip])) ++skip;
    if (skip > 0) std::memmove(text, text + skip, std::strlen(text + skip) + 1);
    return text;
}

char* TrimTrailing(char* text) {
    std::size_t length = std::strlen(text);
    while (length > 0 && IsBlankByte(text[length - 1])) --length;
    text[length] = '\0';
    return text;
}

char* TrimBoth(char* text) { return TrimTrailing(TrimLeading(text)); }

char* TrimTrailingChar(char* text, char ch) {
    std::size_t length = std::strlen(text);
    while (length > 0 && text[length - 1] == ch) --length;
    text[length] = '\0';
    return text;
}

}  // namespace iob
