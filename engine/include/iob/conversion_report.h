// What a conversion converted, and what it read but did not convert, so
// that a success never hides a lost part of the file.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace iob {

// Records of one type, by the line of the first.
struct RecordTally {
    std::string type;  // columns 2-5 as read, less trailing blanks: "DIST", "PLh"
    int count = 0;
    int firstLine = 0;
};

struct ConversionReport {
    // Written to the output.
    int titleLines = 0;
    int stations = 0;
    int vectors = 0;
    int groups = 0;

    // Read but not converted.
    int incompleteGroupVectors = 0;                // the vectors of a group still open at the end
    int incompleteGroupLine = 0;                   // the line of its first DXYZ record
    std::vector<RecordTally> unconvertedRecords;   // known IOB records the converter does not read, by type
    int unknownRecords = 0;                        // data lines of no IOB record type: likely typos
    std::vector<RecordTally> firstUnknownRecords;  // the first few of them, one each
    int cutLines = 0;                              // lines longer than 257 bytes whose tail was lost
    int firstCutLine = 0;

    static constexpr std::size_t kUnknownRecordsListed = 3;

    bool HasUnconverted() const {
        return incompleteGroupVectors > 0 || !unconvertedRecords.empty() || unknownRecords > 0 || cutLines > 0;
    }
};

}  // namespace iob
