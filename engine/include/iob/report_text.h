// The conversion report in words, from the string table: a summary line of
// what was written and one item per kind of thing that was not converted.
//   "12 stations, 30 GPS vectors in 10 groups"
//   "4 DIST records (first on line 17)"
//   "1 incomplete GPS group of 2 vectors at the end (line 90)"
//   "3 data lines after the END record on line 40, which ends the data"
#pragma once

#include <string>
#include <vector>

#include <iob/conversion_report.h>

namespace iob {

std::string ReportSummary(const ConversionReport& report);

// One text per kind of record or line that was read but not converted;
// none for a file converted whole.
std::vector<std::string> UnconvertedItems(const ConversionReport& report);

// What a user must know beyond the items: that nothing was converted at all,
// or that the file names no datum, so the default one was written.
std::vector<std::string> ReportNotes(const ConversionReport& report);

// One text per reading that the user should check, the first few of each
// kind, then how many more there are of it; none for a file read cleanly.
std::vector<std::string> DoubtItems(const ConversionReport& report);

// The summary, then one line each: every note, every item not converted
// ("Not converted: ..."), every item read with doubt ("Read with doubt: ...").
std::string ReportText(const ConversionReport& report);

}  // namespace iob
