// Checks of the station names that reach the output.
#pragma once

#include <cstddef>
#include <deque>

#include <iob/conversion_outcome.h>

#include "passes/name_slots.h"
#include "reading/record_view.h"

namespace iob {

// The longest name written: a long-layout name of up to 31 bytes is cut to it.
constexpr std::size_t kMaxWrittenNameLength = 15;
constexpr std::size_t kMaxNameLength = 31;

// A ';' would end the name's field early in the output line, and the rest
// would read as the next value. Sets the outcome to 5113 for such a name in
// `record` (zeros after it) and returns true.
bool RefuseNameWithSemicolon(const RecordView& record, const char (&name)[16], ConversionOutcome& outcome);

// The station names written so far, each with the name it stands for. Two
// different names cut alike ("RIVERSIDE CONTROL MONUMENT 7" and "... 8"
// both written "RIVERSIDE CONTR") would be one station to the adjustment,
// with two positions and the vectors of both. A name is only ever cut to
// the full length of a written name, so only names written that long can
// meet another, and only those are kept: memory grows with the distinct
// names of that length, and files without long names pay nothing.
class WrittenNames {
public:
    // Room for `count` names written at the full length before the table grows.
    explicit WrittenNames(std::size_t count = 0) : slots_(count) {}

    // Whether `written` (zeros after it) has the full length of a written
    // name: a name holds no NUL, so its last byte tells.
    static bool IsFullLength(const char (&written)[16]) { return written[kMaxWrittenNameLength - 1] != '\0'; }

    // Records that the name in `field` of `record` is written as `written`
    // (zeros after it). Sets the outcome to 5118 and returns true when an
    // earlier, different name is written the same.
    bool RefuseNameWrittenAlike(const RecordView& record, Field field, const char (&written)[16],
                                ConversionOutcome& outcome);

    // The line of the first name recorded as `written`, a name of the full
    // length; 0 when none was.
    LineNumber FirstLineOf(const char (&written)[16]) const;

private:
    // The first name written so: its written name, what the cut left out,
    // each with zeros after it, and its line.
    struct FirstName {
        char written[16];
        char rest[kMaxNameLength - kMaxWrittenNameLength];
        LineNumber line;
    };

    // In the order met: a deque grows without copying what it holds, and
    // 40 bytes a name, with 4 bytes of slot beside, take half the room of
    // the names in a table's slots.
    std::deque<FirstName> firstNames_;
    NameSlots slots_;  // of each written name, its FirstName's index

    // The written names as NameSlots reads them.
    auto WrittenAt() const {
        return [this](std::size_t index) -> const char(&)[16] { return firstNames_[index].written; };
    }
};

}  // namespace iob
