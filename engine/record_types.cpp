#include "record_types.h"

#include <algorithm>
#include <iterator>
#include <string>

#include <iob/trim.h>

namespace iob {
namespace {

// Trailing blanks trimmed, as the tables below spell the types; the most
// frequent records of a file first.
constexpr const char* kConvertedTypes[] = {"ELEM", "DXYZ", "PLH", "PLO", "COV",  "TITL",
                                           "ELIP", "LUNT", "END", "WGT", "CORR", "GENC"};
constexpr const char* kGroupMarks[] = {"GRP", "3DD"};
// The observation and coordinate records of the format.
constexpr const char* kNotConvertedTypes[] = {"DIST", "AZIM", "DIR",  "DSET", "ANGL", "ZEND", "HDIS",
                                              "OHDF", "EHDF", "EHGT", "OHGT", "PL",   "NEH",  "NEO",
                                              "XYZ",  "GEOI", "2DC",  "2DD",  "3DC"};

template <std::size_t N>
bool IsOneOf(const std::string& type, const char* const (&types)[N]) {
    return std::any_of(std::begin(types), std::end(types), [&type](const char* known) { return type == known; });
}

// The record type without its trailing blanks: "DIR " -> "DIR".
std::string TrimmedType(const char* recordType) {
    std::string type(recordType);
    while (!type.empty() && IsBlankByte(type.back())) type.pop_back();
    return type;
}

}  // namespace

RecordKind ClassifyRecordType(const char* recordType) {
    // Most lines of a file are one of these: they are told apart without a copy.
    if (IsRecordType(recordType, "ELEM") || IsRecordType(recordType, "DXYZ") || IsRecordType(recordType, "PLH ") ||
        IsRecordType(recordType, "PLO ") || IsRecordType(recordType, "COV ")) {
        return RecordKind::kConverted;
    }
    if (IsRecordType(recordType, "GRP ") || IsRecordType(recordType, "3DD ")) return RecordKind::kGroupMark;
    const std::string type = TrimmedType(recordType);
    if (IsOneOf(type, kConvertedTypes)) return RecordKind::kConverted;
    if (IsOneOf(type, kGroupMarks)) return RecordKind::kGroupMark;
    if (IsOneOf(type, kNotConvertedTypes)) return RecordKind::kNotConverted;
    return RecordKind::kUnknown;
}

void TallySkippedRecord(const char* recordType, RecordKind kind, LineNumber line, ConversionReport& report) {
    if (kind == RecordKind::kNotConverted) {
        const std::string type = TrimmedType(recordType);
        for (RecordTally& tally : report.unconvertedRecords) {
            if (tally.type == type) {
                ++tally.count;
                return;
            }
        }
        report.unconvertedRecords.push_back({type, 1, line});
    } else if (kind == RecordKind::kUnknown) {
        if (report.firstUnknownRecords.size() < ConversionReport::kUnknownRecordsListed) {
            report.firstUnknownRecords.push_back({TrimmedType(recordType), 1, line});
        }
        ++report.unknownRecords;
    }
}

}  // namespace iob
