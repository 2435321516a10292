// The conversion as the dialog and the command-line tool run it: over two
// streams or two typed file names, with its messages shown.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include <iob/convert.h>

namespace iob {

// Removes leading and trailing space, tab, LF, VT, FF and CR.
std::string TrimFileName(const std::string& name);

// Whether ConvertFiles with these names would replace an existing file:
// both names, trimmed, are given, the IOB file opens, and the output names
// an existing regular file that is not the IOB file. Every other case ends
// in ConvertFiles' own message or replaces nothing (a device, a pipe), so
// a question before it would only be in the way.
bool ReplacesExistingFile(const std::string& iobName, const std::string& outputName);

// What a long conversion tells as it goes, on the thread that converts: the
// pass (1 to 3) and the share of the IOB file that pass has read, 0 to 1.
using ProgressHandler = std::function<void(int pass, double share)>;

// How ConvertFiles converts, beyond the two names.
struct ConvertFilesOptions {
    // When set, hears of every 64 KiB read.
    ProgressHandler progress;
    // A conversion that read anything with doubt fails (5061 or 5062), and
    // its output is not written: for batches that must not pass such a file on.
    bool refuseDoubts = false;
};

// Trims both names in place (output first), checks them, opens both files,
// converts from the default settings and closes them, then shows exactly one
// message, with the conversion's report as its details once a conversion
// ran; `report` gets that report too, and stays empty when the names or
// files failed before a conversion could run.
// A failed conversion leaves no partial output and an earlier file of that
// name as it was, unless the output had to be written in place: a file
// with more hard links, no regular file (a device, a pipe), a folder that
// takes no temporary file.
// Returns 0 on success, else the failure's message number:
//   5023 / 5022  a name is empty (both empty: 5023 only)
//   5031         a file cannot be opened, or names a folder
//   5032         both names denote the same file; the IOB file stays untouched
//   a ResultCode from the conversion; 5013 also when the output cannot be
//                closed completely or put in place
//   5061 / 5062  with refuseDoubts, a conversion with doubts (one: 5062)
int ConvertFiles(std::string& iobName, std::string& outputName, std::optional<ConversionReport>& report,
                 const ConvertFilesOptions& options = {});

}  // namespace iob
