#include "passes/name_checks.h"

#include <cstring>
#include <functional>
#include <string>
#include <string_view>

namespace iob {

bool RefuseNameWithSemicolon(const RecordView& record, const char* name, ConversionOutcome& outcome) {
    if (std::strchr(name, ';') == nullptr) return false;
    outcome.Fail(kResultSemicolonInName, {name, record.LineNumber()});
    return true;
}

bool WrittenNames::RefuseNameWrittenAlike(const RecordView& record, Field field, const char* written,
                                          ConversionOutcome& outcome) {
    if (std::strlen(written) != kMaxWrittenNameLength) return false;
    const std::string_view name = record.Trimmed(field);
    const std::string_view rest = name.substr(kMaxWrittenNameLength);
    if (2 * (used_ + 1) > slots_.size()) Grow();
    FirstName& first = SlotOf(written);
    if (first.written[0] == '\0') {
        std::memcpy(first.written, written, kMaxWrittenNameLength);
        rest.copy(first.rest, sizeof first.rest - 1);
        first.line = record.LineNumber();
        ++used_;
        return false;
    }
    if (rest == first.rest) return false;
    outcome.Fail(kResultNamesWrittenAlike,
                 {written + std::string(first.rest), first.line, std::string(name), record.LineNumber(), written});
    return true;
}

WrittenNames::FirstName& WrittenNames::SlotOf(const char* written) {
    const std::string_view key(written, kMaxWrittenNameLength);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t slot = std::hash<std::string_view>()(key) & mask;; slot = (slot + 1) & mask) {
        FirstName& entry = slots_[slot];
        if (entry.written[0] == '\0' || key == std::string_view(entry.written, kMaxWrittenNameLength)) return entry;
    }
}

void WrittenNames::Grow() {
    std::vector<FirstName> old(slots_.empty() ? 1024 : 2 * slots_.size(), FirstName{});
    old.swap(slots_);
    for (const FirstName& entry : old) {
        if (entry.written[0] != '\0') SlotOf(entry.written) = entry;
    }
}

}  // namespace iob
