// The record types of the IOB format, as far as a conversion accounts for
// them: those it converts, those it reads past on purpose, and the rest.
#pragma once

#include <iob/conversion_report.h>

namespace iob {

enum class RecordKind {
    kConverted,     // TITL, ELIP, LUNT, PLH, PLO, DXYZ, COV, WGT, GENC, ELEM, END, and CORR (refused with 5115)
    kGroupMark,     // GRP and 3DD: they only mark groups
    kNotConverted,  // observations and coordinates the converter does not read: DIST, AZIM, NEH, ...
    kUnknown,       // no record type of the format: a likely typo ("PLh ", "DXZY")
};

// The kind of `recordType`, columns 2-5 of a data line (trailing blanks do
// not count: "PL  " is "PL"), compared with case.
RecordKind ClassifyRecordType(const char* recordType);

// Counts a record that was read but not converted into `report`: by type
// when the format knows the type, else among the unknown ones.
void TallySkippedRecord(const char* recordType, RecordKind kind, int line, ConversionReport& report);

}  // namespace iob
