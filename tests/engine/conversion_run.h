// Runs a conversion over in-memory files, shows its messages as the
// program does, and records what it wrote and every message it showed.
#pragma once

#include <string>
#include <vector>

#include <iob/convert.h>

#include "memory_file.h"

namespace iob {

struct ShownMessage {
    unsigned number;
    std::string text;
};

struct Conversion {
    std::string output;  // the bytes written, CR LF line ends included
    int result = -1;
    iob::LineNumber lineCounter = -1;
    std::vector<ShownMessage> messages;
    int refusedWrites = 0;  // writes a failing output refused while the conversion ran
    ConversionReport report;
};

// Converts `iob` (bytes of an IOB file) with `settings`; the two MemoryFiles
// may carry faults.
Conversion Convert(MemoryFile& input, MemoryFile& output, ConversionSettings& settings,
                   OutputSyntax syntax = OutputSyntax::kCompact);
Conversion Convert(const std::string& iob, ConversionSettings& settings);
Conversion Convert(const std::string& iob, OutputSyntax syntax = OutputSyntax::kCompact);

// Joins lines, each ended by LF (an IOB file) or CR LF (an output file).
std::string IobLines(const std::vector<std::string>& lines);
std::string OutputLines(const std::vector<std::string>& lines);

// The output of a file without records: one blank line, the default header
// block and the station comment.
std::string DefaultHeader();

// The first line of `output`, its CR LF included.
std::string FirstLine(const std::string& output);

// The fields of an output data line: the keyword, then each text that "; "
// introduces ("$GEO_COMPACT; A; 45.3" gives "$GEO_COMPACT", "A", "45.3").
std::vector<std::string> OutputFields(const std::string& line);

}  // namespace iob
