// The part of the output that surely reached its file. stdio keeps up to a
// buffer of lines, so a full disk may show only when that buffer goes out,
// and the buffered lines are lost with it. The conversion therefore flushes
// before anything else could fail first (each rewind) and at its end, and
// after a write error counts only what its last successful flush held.
#pragma once

#include <iob/conversion_outcome.h>
#include <iob/text_stream.h>

namespace iob {

class FlushedOutput {
public:
    explicit FlushedOutput(TextWriter& output) : output_(output) {}

    // Pushes what was written to the file and returns true. When that fails,
    // or a write failed before, returns false: a conversion that had not
    // failed yet ends with a write error, and the report's counts of written
    // lines go back to those of the last successful flush.
    bool Flush(ConversionOutcome& outcome);

private:
    TextWriter& output_;
    WrittenCounts flushed_;  // the report's counts at the last successful flush
};

}  // namespace iob
