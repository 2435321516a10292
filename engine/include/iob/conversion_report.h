// What a conversion converted, and what it read but did not convert, so
// that a success never hides a lost part of the file.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace iob {

// Lines of the IOB file, counted from 1, and counts of its records: 64 bits,
// as a file may hold more than 2^31 lines.
using LineNumber = long long;

// Records of one type, by the line of the first.
struct RecordTally {
    std::string type;  // columns 2-5 as read, less trailing blanks: "DIST", "PLh"
    long long count = 0;
    LineNumber firstLine = 0;
};

// The lines written to the output, by what they hold.
struct WrittenCounts {
    long long titleLines = 0;
    long long stations = 0;
    long long vectors = 0;
    long long groups = 0;
};

struct ConversionReport {
    WrittenCounts written;

    // Read but not converted.
    long long incompleteGroupVectors = 0;          // the vectors of a group still open at the end
    LineNumber incompleteGroupLine = 0;            // the line of its first DXYZ record
    std::vector<RecordTally> unconvertedRecords;   // known IOB records the converter does not read, by type
    long long unknownRecords = 0;                  // data lines of no IOB record type: likely typos
    std::vector<RecordTally> firstUnknownRecords;  // the first few of them, one each
    long long cutLines = 0;                        // lines longer than 257 bytes whose tail was lost
    LineNumber firstCutLine = 0;

    long long includeLines = 0;                  // "#include" lines: the files they name were not read
    std::vector<RecordTally> firstIncludeLines;  // the first few, each with the file name as its type
    long long linesAfterEnd = 0;                 // data lines after the END record, which no pass reads
    LineNumber endLine = 0;                      // the END record's line

    static constexpr std::size_t kUnknownRecordsListed = 3;

    bool HasUnconverted() const {
        return incompleteGroupVectors > 0 || !unconvertedRecords.empty() || unknownRecords > 0 || cutLines > 0 ||
               includeLines > 0 || linesAfterEnd > 0;
    }

    // The whole file was read and held no station and no GPS vector, not
    // even an incomplete group: most likely it is no IOB file at all.
    bool nothingConverted = false;
    // The datum of an earlier conversion, other than the default one, that
    // this file took for want of an ELIP record of its own; empty otherwise.
    std::string carriedOverDatum;
};

}  // namespace iob
