#include "reading/visible_text.h"

#include <cstdio>

namespace iob {

std::string VisibleText(std::string_view bytes, bool spellHighBytes) {
    std::string visible;
    for (const char ch : bytes) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte == '\t') {
            visible += "\\t";
        } else if (byte == '\r') {
            visible += "\\r";
        } else if (byte < 32 || byte == 127 || (spellHighBytes && byte >= 128)) {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            visible += escaped;
        } else {
            visible += ch;
        }
    }
    return visible;
}

}  // namespace iob
