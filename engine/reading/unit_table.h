// The linear units of the IOB format: metres per unit of each unit code.
#pragma once

namespace iob {

// Metres per unit of a linear unit code as cut from a record, compared whole
// and without regard to ASCII case: "FT" -> 0.3048, "Km" -> 1000.0. Any code
// outside the table ("", "xx", "m ") gives `customFactor`.
double UnitFactor(const char* code, double customFactor);

// The table's factor of `code`, or null for a code outside the table.
const double* FindUnitFactor(const char* code);

}  // namespace iob
