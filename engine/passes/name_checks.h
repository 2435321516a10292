// Checks of the station names that reach the output.
#pragma once

#include <cstddef>
#include <vector>

#include <iob/conversion_outcome.h>

#include "reading/record_view.h"

namespace iob {

// The longest name written: a long-layout name of up to 31 bytes is cut to it.
constexpr std::size_t kMaxWrittenNameLength = 15;
constexpr std::size_t kMaxNameLength = 31;

// A ';' would end the name's field early in the output line, and the rest
// would read as the next value. Sets the outcome to 5113 for such a name in
// `record` and returns true.
bool RefuseNameWithSemicolon(const RecordView& record, const char* name, ConversionOutcome& outcome);

// The station names written so far, each with the name it stands for. Two
// different names cut alike ("RIVERSIDE CONTROL MONUMENT 7" and "... 8"
// both written "RIVERSIDE CONTR") would be one station to the adjustment,
// with two positions and the vectors of both. A name is only ever cut to
// the full length of a written name, so only names written that long can
// meet another, and only those are kept: memory grows with the distinct
// names of that length, and files without long names pay nothing.
class WrittenNames {
public:
    // Records that the name in `field` of `record` is written as `written`.
    // Sets the outcome to 5118 and returns true when an earlier, different
    // name is written the same.
    bool RefuseNameWrittenAlike(const RecordView& record, Field field, const char* written, ConversionOutcome& outcome);

private:
    // The first name written so: its written name, what the cut left out,
    // its line. An empty written name marks a free slot.
    struct FirstName {
        char written[kMaxWrittenNameLength];
        char rest[kMaxNameLength - kMaxWrittenNameLength + 1];
        LineNumber line;
    };

    // The slot of `written`: the one holding it, or the free one where it goes.
    FirstName& SlotOf(const char* written);
    void Grow();

    // An open-addressing table, at most half full, the names in the slots:
    // a look-up costs one cache miss, where a node-based map took three,
    // and a long file of long names looks up two for each vector.
    std::vector<FirstName> slots_;
    std::size_t used_ = 0;
};

}  // namespace iob
