#include "name_checks.h"

#include <cstring>

namespace iob {

bool RefuseNameWithSemicolon(const char* name, ConversionOutcome& outcome) {
    if (std::strchr(name, ';') == nullptr) return false;
    outcome.result = kResultSemicolonInName;
    outcome.failingText = name;
    return true;
}

bool WrittenNames::RefuseNameWrittenAlike(std::string_view name, const char* written, LineNumber line,
                                          ConversionOutcome& outcome) {
    if (std::strlen(written) != kMaxWrittenNameLength) return false;
    auto [first, isNew] = byWrittenName_.try_emplace(written, FirstName{std::string(name), line});
    if (isNew || first->second.name == name) return false;
    outcome.result = kResultNamesWrittenAlike;
    outcome.namesWrittenAlike = {first->second.name, std::string(name), written, first->second.line, line};
    return true;
}

}  // namespace iob
