// The summary of several files converted at once: one line per file with
// its outcome and its report's counts, the failures first, then the files
// read with doubt, then the rest, each group in the order given.
#pragma once

#include <string>
#include <vector>

#include "background_conversion.h"

struct FileConversion {
    std::string iobName;
    std::string outputName;
    BackgroundOutcome outcome;
};

// "net.iob: converted into net.txt, 12 stations, 30 GPS vectors in 10
// groups, 2 read with doubt", "bad.iob: Cannot open file bad.iob", ...
std::vector<std::string> SummaryLines(const std::vector<FileConversion>& files);
