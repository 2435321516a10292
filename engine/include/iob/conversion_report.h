// What a conversion converted, and what it read but did not convert, so
// that a success never hides a lost part of the file.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <utility>
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
    long long observations = 0;  // terrestrial, of the single-line syntax
};

// A reading that the user should check: a field whose text is not what its
// layout expects, or bytes that no pass read. The output holds what was
// taken, as the format's reading rules give it.
enum class DoubtKind : unsigned char {
    kNumberText,         // a number field with text after its number, or no digit: read as far as it is one
    kInfiniteValue,      // a converted value that reads as infinite
    kUnknownUnit,        // a unit code neither in the unit table nor the LUNT record's: took the custom factor
    kAngleOutOfRange,    // minutes or seconds of 60 or more, degrees over 90 (latitude) or 180 (longitude)
    kUnreadColumn,       // a non-blank byte between two items of a record, which no item reads
    kNulByte,            // a NUL byte in a data line: the rest of the line was not read
    kDataAfterCtrlZ,     // a Ctrl-Z byte ends the data: the lines after it were not read
    kControlByteInName,  // a written name holding a byte below 32
    kStationTwice,       // two station records written with the same name
    kCorrelation,        // a correlation beyond -1 to 1, a diagonal one other than 1, a negative deviation
};
constexpr std::size_t kDoubtKinds = 10;

struct Doubt {
    LineNumber line = 0;
    int firstColumn = 0;  // the field's columns; a byte's column twice
    int lastColumn = 0;
    std::string text;          // the field as it stands, trimmed; the byte; the name
    std::string taken;         // what was read from it (the number, the factor), or what is wrong
    LineNumber otherLine = 0;  // kStationTwice: the line of the first record of that name
    bool differs = false;      // kStationTwice: whether the two positions differ
    long long count = 0;       // kDataAfterCtrlZ: the non-blank lines not read
};

// The doubts of one kind: how many, and the first few in full.
struct DoubtList {
    static constexpr std::size_t kListed = 3;

    long long count = 0;
    std::vector<Doubt> first;

    // Whether the next doubt is among those listed: only those need their texts.
    bool Lists() const { return first.size() < kListed; }
    void Add(Doubt doubt) {
        if (Lists()) first.push_back(std::move(doubt));
        ++count;
    }
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
               includeLines > 0 || linesAfterEnd > 0 || coordinateMatrices > 0 || !sigmaObservations.empty() ||
               negativeZenithAngles.count > 0 || anglesOfAngleUnit.count > 0;
    }

    long long coordinateMatrices = 0;   // covariance headers of 2DC, 2DD and 3DC groups, with their ELEM records
    RecordTally firstCoordinateMatrix;  // its group's record type and line

    // Observations that the single-line syntax reads but does not convert.
    std::vector<RecordTally> sigmaObservations;  // by type: columns 7-9 name a sigma record
    RecordTally negativeZenithAngles;            // ZANG records
    RecordTally anglesOfAngleUnit;               // AZIM, ZANG and ANGL records of a file with an ANGT record
    LineNumber angleUnitLine = 0;                // that ANGT record's line

    // Read with doubt, by kind.
    std::array<DoubtList, kDoubtKinds> doubts;

    DoubtList& Doubts(DoubtKind kind) { return doubts[static_cast<std::size_t>(kind)]; }
    long long DoubtCount() const {
        long long count = 0;
        for (const DoubtList& list : doubts) count += list.count;
        return count;
    }

    // The whole file was read and held no station and no GPS vector, not
    // even an incomplete group: most likely it is no IOB file at all.
    bool nothingConverted = false;
    // The datum written for want of an ELIP record; empty when the file has one.
    std::string defaultDatum;
    // Angles were written, and the file's GEOI records (deflections of the
    // vertical) were not converted.
    bool anglesWithoutDeflections = false;
};

}  // namespace iob
