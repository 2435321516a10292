#include "record_types.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <string>

#include <iob/trim.h>

namespace iob {
namespace {

// A line that begins so names another file whose records belong here.
constexpr char kIncludeWord[] = "#include";

// Spelled as the passes compare them, four bytes with their blanks; the
// most frequent records of a file first.
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
bool IsOneOf(const std::string& type, const char* const (&types)[N]) {
    return std::any_of(std::begin(types), std::end(types), [&type](const char* known) { return type == known; });
}

// The bytes of the record-type field that the line holds; fewer than four
// when it ends before column 5.
std::string FieldBytes(const char* recordType) {
    return std::string(recordType, strnlen(recordType, kRecordTypeWidth));
}

// The type as a report names it: trailing spaces dropped, control bytes
// spelled out, so that "PLH<TAB>" shows as PLH\t.
std::string VisibleType(const std::string& field) {
    std::string visible;
    const std::size_t end = field.find_last_not_of(' ') + 1;
    for (std::size_t i = 0; i < end; ++i) {
        const unsigned char byte = static_cast<unsigned char>(field[i]);
        if (byte == '\t') {
            visible += "\\t";
        } else if (byte == '\r') {
            visible += "\\r";
        } else if (byte < 32 || byte == 127) {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            visible += escaped;
        } else {
            visible += static_cast<char>(byte);
        }
    }
    return visible;
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

RecordKind ClassifyRecordType(const char* recordType) {
    if (IsFrequentType(recordType) || IsEndRecord(recordType)) return RecordKind::kConverted;
    std::string type = FieldBytes(recordType);
    if (type.size() == kRecordTypeWidth) {
        if (IsOneOf(type, kConvertedTypes)) return RecordKind::kConverted;
        if (IsOneOf(type, kGroupMarks)) return RecordKind::kGroupMark;
        return IsOneOf(type, kNotConvertedTypes) ? RecordKind::kNotConverted : RecordKind::kUnknown;
    }
    // A line that ends inside the field: the passes compare its end too, so
    // no type of theirs matches it, but the format's types still name it.
    type.resize(kRecordTypeWidth, ' ');
    if (IsOneOf(type, kGroupMarks)) return RecordKind::kGroupMark;
    if (IsOneOf(type, kConvertedTypes) || IsOneOf(type, kNotConvertedTypes)) return RecordKind::kNotConverted;
    return RecordKind::kUnknown;
}

void TallySkippedRecord(const RecordView& record, ConversionReport& report) {
    const RecordKind kind = ClassifyRecordType(record.Type());
    if (kind == RecordKind::kNotConverted) {
        std::string type = FieldBytes(record.Type());
        type.erase(type.find_last_not_of(' ') + 1);
        for (RecordTally& tally : report.unconvertedRecords) {
            if (tally.type == type) {
                ++tally.count;
                return;
            }
        }
        report.unconvertedRecords.push_back({type, 1, record.LineNumber()});
    } else if (kind == RecordKind::kUnknown) {
        if (std::strncmp(record.Line(), kIncludeWord, sizeof kIncludeWord - 1) == 0) {
            Tally(report.firstIncludeLines, report.includeLines, IncludedFileName(record), record.LineNumber());
        } else {
            Tally(report.firstUnknownRecords, report.unknownRecords, VisibleType(FieldBytes(record.Type())),
                  record.LineNumber());
        }
    }
}

}  // namespace iob
