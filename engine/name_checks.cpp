#include "name_checks.h"

#include <cstring>

namespace iob {

bool RefuseNameWithSemicolon(const char* name, ConversionOutcome& outcome) {
    if (std::strchr(name, ';') == nullptr) return false;
    outcome.result = kResultSemicolonInName;
    outcome.failingText = name;
    return true;
}

}  // namespace iob
