#include "name_checks.h"

#include <cstring>

namespace iob {

bool RefuseNameWithSemicolon(const char* name, ConversionOutcome& outcome) {
    if (std::strchr(name, ';') == nullptr) return false;
    outcome.result = kResultSemicolonInName;
    outcome.failingText = name;
    return true;
}

bool WrittenNames::RefuseNameWrittenAlike(const RecordView& record, Field field, const char* written,
                                          ConversionOutcome& outcome) {
    if (std::strlen(written) != kMaxWrittenNameLength) return false;
    const std::string_view name = record.Trimmed(field);
    const std::string_view rest = name.substr(kMaxWrittenNameLength);
    const auto first = byWrittenName_.find(written);
    if (first == byWrittenName_.end()) {
        FirstName entry{{}, record.LineNumber()};
        rest.copy(entry.rest, sizeof entry.rest - 1);
        byWrittenName_.emplace(written, entry);
        return false;
    }
    if (rest == first->second.rest) return false;
    outcome.result = kResultNamesWrittenAlike;
    outcome.namesWrittenAlike = {written + std::string(first->second.rest), std::string(name), written,
                                 first->second.line, record.LineNumber()};
    return true;
}

}  // namespace iob
