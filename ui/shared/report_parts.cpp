#include "report_parts.h"

ReportParts SplitReport(const std::string& report, int linesShown) {
    std::size_t end = 0;
    for (int line = 0; line < linesShown; ++line) {
        end = report.find('\n', end);
        if (end == std::string::npos) return {report, {}};
        ++end;
    }
    // The shown part ends with its last line, not with the line break.
    return {report.substr(0, end - 1), report.substr(end)};
}
