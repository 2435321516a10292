#include "passes/name_checks.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <string>
#include <string_view>

namespace iob {

namespace {

// Whether `name`, zero-padded to its 16 bytes, holds `byte` (not 0): a word
// at a time, as every name is looked at and nearly none holds it.
bool HoldsByte(const char (&name)[16], char byte) {
    constexpr std::uint64_t kOnes = 0x0101010101010101U;
    std::uint64_t words[2];
    std::memcpy(words, name, sizeof words);
    std::uint64_t found = 0;
    for (const std::uint64_t word : words) {
        // `byte` becomes a zero byte. The zero-byte test: taking 1 from a zero
        // byte sets its top bit, which ~matched keeps, and the result is
        // nonzero exactly when some byte is zero.
        const std::uint64_t matched = word ^ (static_cast<unsigned char>(byte) * kOnes);
        found |= (matched - kOnes) & ~matched & 128 * kOnes;
    }
    return found != 0;
}

}  // namespace

bool RefuseNameWithSemicolon(const RecordView& record, const char (&name)[16], ConversionOutcome& outcome) {
    if (!HoldsByte(name, ';')) return false;
    outcome.Fail(kResultSemicolonInName, {name, record.LineNumber()});
    return true;
}

bool WrittenNames::RefuseNameWrittenAlike(const RecordView& record, Field field, const char (&written)[16],
                                          ConversionOutcome& outcome) {
    if (!IsFullLength(written)) return false;  // it was not cut
    const std::string_view name = record.Trimmed(field);
    char rest[sizeof FirstName::rest] = {};
    name.substr(kMaxWrittenNameLength).copy(rest, sizeof rest);
    const std::size_t next = firstNames_.size();
    const std::size_t first = slots_.FirstIndex(written, next, WrittenAt());
    if (first == next) {
        FirstName& added = firstNames_.emplace_back();
        std::memcpy(added.written, written, sizeof added.written);
        std::memcpy(added.rest, rest, sizeof added.rest);
        added.line = record.LineNumber();
        return false;
    }
    if (first == NameSlots::kNone) return false;
    const FirstName& earlier = firstNames_[first];
    if (std::memcmp(rest, earlier.rest, sizeof rest) == 0) return false;
    const std::string earlierRest(earlier.rest, std::find(earlier.rest, std::end(earlier.rest), '\0'));
    outcome.Fail(kResultNamesWrittenAlike,
                 {written + earlierRest, earlier.line, std::string(name), record.LineNumber(), written});
    return true;
}

LineNumber WrittenNames::FirstLineOf(const char (&written)[16]) const {
    const std::size_t first = slots_.Find(written, WrittenAt());
    return first == NameSlots::kNone ? 0 : firstNames_[first].line;
}

}  // namespace iob
