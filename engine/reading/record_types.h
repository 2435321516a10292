// The record types of the IOB format: how a pass recognises a record, and
// how a conversion accounts for every type: those it converts, those it
// reads past on purpose, and the rest.
#pragma once

#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

#include <iob/conversion_report.h>

#include "reading/record_view.h"

namespace iob {

// Record types are columns 2-5 of a data line, compared exactly and with case.
constexpr int kRecordTypeColumn = 2;
constexpr int kRecordTypeWidth = 4;

// True when `recordType`, a record-type field as RunPass hands it over, is
// `type`. The field is 5 bytes and fully set, so the bytes that make up
// `type` and its NUL are compared directly, without a strcmp call.
template <std::size_t N>
inline bool IsRecordType(const char* recordType, const char (&type)[N]) {
    static_assert(N <= kRecordTypeWidth + 1, "a record type is at most 4 bytes");
    return std::memcmp(recordType, type, N) == 0;
}

// "END " ends a pass; so does "END" on a line that stops after column 4.
inline bool IsEndRecord(const char* recordType) {
    return IsRecordType(recordType, "END ") || IsRecordType(recordType, "END");
}

// Most records of a file are of these types, all converted: told apart at
// once, without a look at the tables.
inline bool IsFrequentType(const char* recordType) {
    return IsRecordType(recordType, "ELEM") || IsRecordType(recordType, "DXYZ") || IsRecordType(recordType, "PLH ") ||
           IsRecordType(recordType, "PLO ") || IsRecordType(recordType, "COV ");
}

// Counts a record that no pass converts into `report`: an include line with
// the file it names, a type of the format by its name, any other type among
// the unknown ones, shown with its control bytes spelled out ("PLH\t").
// Types are compared byte for byte and with case, as the passes compare
// them. A line that ends within the field ("PLH" alone) is never converted:
// it is counted as not converted under its type's name. Converted records
// and group marks are not counted.
void TallySkippedRecord(const RecordView& record, ConversionReport& report);

// Counts one more record of `type` among `tallies`, by type, each with its first line.
void CountByType(std::vector<RecordTally>& tallies, const std::string& type, LineNumber line);

}  // namespace iob
