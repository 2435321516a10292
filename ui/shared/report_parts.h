// A conversion's report beneath its message: one item a line, and beyond a
// screenful the rest in a details area that the user opens.
#pragma once

#include <string>

struct ReportParts {
    std::string shown;  // the first lines, beneath the message
    std::string rest;   // the lines after them, empty when all are shown
};

// The lines of a box that fit on any screen the program runs on.
constexpr int kReportLinesShown = 20;

// Splits `report` (lines joined by '\n') after its first `linesShown` lines.
ReportParts SplitReport(const std::string& report, int linesShown = kReportLinesShown);
