#include "reading/record_types.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <string>

#include "reading/visible_text.h"

namespace iob {
namespace {

// A line that begins so names another file whose records belong here.
constexpr char kIncludeWord[] = "#include";

// Spelled as the passes compare them, four bytes with their blanks.
constexpr const char* kConvertedTypes[] = {"ELEM", "DXYZ", "PLH ", "PLO ", "COV ", "TITL",
                                           "ELIP", "LUNT", "END ", "WGT ", "CORR", "GENC"};
constexpr const char* kGroupMarks[] = {"GRP ", "3DD "};
// The format's observation, coordinate and setting records that no pass reads.
constexpr const char* kNotConvertedTypes[] = {"ANGL", "ANGT", "AUX ", "AZIM", "COMP", "CONF", "DIR ", "DIST", "DSET",
                                              "EDIS", "EHDF", "EHGT", "FCOV", "GAZI", "GEOI", "GFIL", "GVAN", "GZAN",
                                              "HI  ", "HT  ", "LAMB", "NE  ", "NEH ", "NEO ", "OHDF", "OHGT", "PL  ",
                                              "QUAD", "SIGM", "STER", "TMER", "VANG", "VSCA", "VSGL", "XLAM", "XSTR",
                                              "XTMR", "XY  ", "XYZ ", "ZANG", "2DC ", "2DD ", "3DC ", "4PAR", "7PAR"};

template <std::size_t N>
bool IsOneOf(const char* key, const char* const (&types)[N]) {
    return std::any_of(std::begin(types), std::end(types),
                       [key](const char* known) { return std::memcmp(key, known, kRecordTypeWidth) == 0; });
}

enum class RecordKind {
    kRead,          // a pass reads it: a converted type or a group mark
    kNotConverted,  // observations and coordinates the converter does not read: DIST, AZIM, NEH, ...
    kUnknown,       // no record type of the format: a likely typo ("PLh ", "DXZY")
};

// The kind of a record-type field, padded with blanks to `key`; `full` when
// the line held all four bytes of it. The passes compare the field byte for
// byte and with case, so "PLH<TAB>" is no PLH record.
RecordKind ClassifyRecordType(const char (&key)[kRecordTypeWidth], bool full) {
    if (full) {
        if (IsOneOf(key, kConvertedTypes) || IsOneOf(key, kGroupMarks)) return RecordKind::kRead;
        return IsOneOf(key, kNotConvertedTypes) ? RecordKind::kNotConverted : RecordKind::kUnknown;
    }
    // A line that ends inside the field: the passes compare its end too, so
    // no type of theirs matches it, but the format's types still name it.
    if (IsOneOf(key, kGroupMarks)) return RecordKind::kRead;
    if (IsOneOf(key, kConvertedTypes) || IsOneOf(key, kNotConvertedTypes)) return RecordKind::kNotConverted;
    return RecordKind::kUnknown;
}

// The file that an include line names: the rest of the line, trimmed and
// without the quotes or angle brackets around it.
std::string IncludedFileName(const RecordView& record) {
    constexpr int kNameColumn = sizeof kIncludeWord;  // just after the word
    std::string name(record.Trimmed({kNameColumn, record.Length()}));
    const bool quoted = name.size() >= 2 &&
                        ((name.front() == '"' && name.back() == '"') || (name.front() == '<' && name.back() == '>'));
    return quoted ? name.substr(1, name.size() - 2) : name;
}

// Counts one more record, and quotes it among the first few.
void Tally(std::vector<RecordTally>& first, long long& count, std::string text, LineNumber line) {
    if (first.size() < ConversionReport::kUnknownRecordsListed) first.push_back({std::move(text), 1, line});
    ++count;
}

}  // namespace

void CountByType(std::vector<RecordTally>& tallies, const std::string& type, LineNumber line) {
    for (RecordTally& tally : tallies) {
        if (tally.type == type) {
            ++tally.count;
            return;
        }
    }
    tallies.push_back({type, 1, line});
}

void TallySkippedRecord(const RecordView& record, ConversionReport& report) {
    // The bytes of the field that the line holds (fewer than four when it
    // ends before column 5), padded with blanks.
    const std::size_t held = strnlen(record.Type(), kRecordTypeWidth);
    char key[kRecordTypeWidth];
    std::memset(key, ' ', sizeof key);
    std::memcpy(key, record.Type(), held);
    const RecordKind kind = ClassifyRecordType(key, held == kRecordTypeWidth);
    if (kind == RecordKind::kRead) return;
    std::size_t typeLength = kRecordTypeWidth;
    while (typeLength > 0 && key[typeLength - 1] == ' ') --typeLength;
    const std::string type(key, typeLength);
    if (kind == RecordKind::kNotConverted) {
        CountByType(report.unconvertedRecords, type, record.LineNumber());
    } else if (std::strncmp(record.Line(), kIncludeWord, sizeof kIncludeWord - 1) == 0) {
        Tally(report.firstIncludeLines, report.includeLines, IncludedFileName(record), record.LineNumber());
    } else {
        Tally(report.firstUnknownRecords, report.unknownRecords, VisibleText(type, true), record.LineNumber());
    }
}

}  // namespace iob
