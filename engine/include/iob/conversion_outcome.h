// How a conversion ended: its result, what the message quotes, and the report.
#pragma once

#include <string>

#include <iob/conversion_report.h>
#include <iob/result_codes.h>

namespace iob {

// How a conversion ended, and what its message needs to say so.
struct ConversionOutcome {
    int result = kResultOk;  // a ResultCode
    // The line of the pass that failed, counted from 1: meaningful after 5014
    // (0 when the input could not be rewound) and 5112 to 5118. It counts the
    // lines of the pass running, so otherwise it is the last pass's last line.
    LineNumber failingLine = 0;
    // What the message quotes: the setting (5111) or the station name (5113,
    // 5116) as read, and the type of the record that holds it (5111, 5112, 5115).
    std::string failingText;
    std::string failingRecordType;
    // 5118: the two station names, trimmed, that would be written alike, in
    // the order met, with their lines and the name both would be written as.
    struct NamesWrittenAlike {
        std::string firstName, secondName, writtenName;
        LineNumber firstLine = 0, secondLine = 0;
    } namesWrittenAlike;
    // What was written, and what was read but not converted; after a
    // failure, as far as the conversion came.
    ConversionReport report;
};

}  // namespace iob
