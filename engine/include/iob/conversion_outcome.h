// How a conversion ended: its result, what the message quotes, and the report.
#pragma once

#include <utility>
#include <vector>

#include <iob/conversion_report.h>
#include <iob/result_codes.h>
#include <iob/string_table.h>

namespace iob {

// How a conversion ended, and what its message needs to say so.
struct ConversionOutcome {
    int result = kResultOk;  // a ResultCode
    // The line of the pass that failed, counted from 1: meaningful after 5014
    // (0 when the input could not be rewound) and after a failure that only
    // the conversion can tell. It counts the lines of the pass running, so
    // otherwise it is the last pass's last line.
    LineNumber failingLine = 0;
    // After a failure that only the conversion can tell (IsConversionFailure),
    // what its message quotes, in the order of its text: the texts as read,
    // the record types and lines that hold them.
    std::vector<MessageArgument> messageArguments;

    // Ends the conversion with such a failure, its message quoting `arguments`.
    void Fail(ResultCode failure, std::vector<MessageArgument> arguments) {
        result = failure;
        messageArguments = std::move(arguments);
    }
    // What was written, and what was read but not converted; after a
    // failure, as far as the conversion came.
    ConversionReport report;
};

}  // namespace iob
