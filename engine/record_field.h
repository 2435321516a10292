// Fixed-column fields of IOB records, and the readings that station and
// vector records share. Each pass keeps the columns of its own records.
#pragma once

#include <iob/convert.h>

#include "read_primitives.h"

namespace iob {

struct Field {
    int column;  // 1-based
    int width;   // bytes
};

// PLH, PLO and DXYZ records have a long layout, marked by "*" in column 10.
bool IsLongLayout(const char* line, int length);

// The name field trimmed at both ends and then cut to `maxLength` bytes, so
// a blank at the cut stays: "RIVER MOUTH NO 4" cut to 15 gives "RIVER MOUTH NO ".
void ExtractName(const char* line, int length, Field field, int maxLength, char (&name)[16]);

// A ';' would end the name's field early in the output line, and the rest
// would read as the next value. Sets the outcome to 5113 for such a name and
// returns true.
bool RefuseNameWithSemicolon(const char* name, ConversionOutcome& outcome);

// Metres per unit of the unit code in `field`, taken untrimmed: " m" is not "m".
double ExtractUnitFactor(const char* line, int length, Field field, double customUnitFactor);

}  // namespace iob
