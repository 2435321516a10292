// The conversion as the dialog and the command-line tool run it: over two
// streams or two typed file names, with its messages shown.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include <iob/convert.h>
#include <iob/output_syntax.h>

namespace iob {

// Removes leading and trailing space, tab, LF, VT, FF and CR, and the
// double quotes around a name ("C:\jobs\net.iob" with them is C:\jobs\net.iob).
std::string TrimFileName(const std::string& name);

// Whether ConvertFiles with these names would replace an existing file:
// both names, trimmed, are given, the IOB file opens, and the output names
// an existing regular file that is not the IOB file nor the standard output. Every other case ends
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
    // An existing output whose name ends in ".iob" (any case) is kept (5034):
    // names swapped by mistake would replace an input. The dialog asks instead.
    bool keepIobOutputs = false;
    // Messages name each file by its full path, as a dialog shows it: a
    // relative name means the program's working folder, which a user of a
    // dialog does not see.
    bool fullPathsInMessages = false;
    // The syntax of the output file.
    OutputSyntax syntax = OutputSyntax::kCompact;
};

// How ConvertFiles ended.
struct FilesOutcome {
    int result = 0;  // 0 or the failure's message number, as below
    // The conversion's report; none when the names or files failed first.
    std::optional<ConversionReport> report;
    // Why a file was refused, or could not be written or put in place, in
    // the system's plain words ("in use by another program"); empty when it
    // was not the system that refused.
    std::string reason;
};

// Trims both names in place (output first), checks them, opens both files,
// converts from the default settings and closes them, then shows exactly one
// message, with the system's reason and the conversion's report as its
// details.
// A failed conversion leaves no partial output and an earlier file of that
// name as it was, unless the output had to be written in place: a file
// with more hard links, no regular file (a device, a pipe), a folder that
// takes no temporary file.
// The result is 0 on success, else the failure's message number:
//   5023 / 5022  a name is empty (both empty: 5023 only)
//   5031         a file cannot be opened, or names a folder; an existing
//                output that may not be written or is in use is refused
//                before anything is written
//   5032         both names denote the same file; the IOB file stays untouched
//   5033         the IOB file is no regular file (a pipe, a device): it is
//                read three times
//   5034         with keepIobOutputs, the output is an existing ".iob" file
//   a ResultCode from the conversion; 5013 also when the output cannot be
//                closed completely or put in place
//   5061 / 5062  with refuseDoubts, a conversion with doubts (one: 5062)
FilesOutcome ConvertFiles(std::string& iobName, std::string& outputName, const ConvertFilesOptions& options = {});

// Installs the handlers that remove the temporary file of an output being
// written when the program is interrupted (SIGINT, SIGTERM, SIGHUP; on
// Windows the console's Ctrl+C, Ctrl+Break and close events), before it ends.
void RemoveTemporaryFileOnInterrupt();

}  // namespace iob
