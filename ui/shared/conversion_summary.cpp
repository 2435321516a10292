#include "conversion_summary.h"

#include <iob/report_text.h>
#include <iob/string_table.h>

namespace {

std::string LineOf(const FileConversion& file) {
    const iob::FilesOutcome& outcome = file.outcome.files;
    if (outcome.result != 0 || !outcome.report) {
        return iob::FormatMessage(iob::kReportFileFailed, file.iobName, file.outcome.messageText);
    }
    const iob::ConversionReport& report = *outcome.report;
    std::string counts = iob::ReportSummary(report);
    if (const long long doubts = report.DoubtCount())
        counts += ", " + iob::FormatMessage(iob::kReportFileDoubts, doubts);
    const auto unconverted = static_cast<long long>(iob::UnconvertedItems(report).size());
    if (unconverted > 0) counts += ", " + iob::FormatMessage(iob::kReportFileUnconverted, unconverted);
    return iob::FormatMessage(iob::kReportFileConverted, file.iobName, file.outputName, counts);
}

// 0 for a failure, 1 for doubts, 2 for the rest: the order of the lines.
int RankOf(const FileConversion& file) {
    const iob::FilesOutcome& outcome = file.outcome.files;
    if (outcome.result != 0 || !outcome.report) return 0;
    return outcome.report->DoubtCount() > 0 ? 1 : 2;
}

}  // namespace

std::vector<std::string> SummaryLines(const std::vector<FileConversion>& files) {
    std::vector<std::string> lines;
    for (int rank = 0; rank <= 2; ++rank) {
        for (const FileConversion& file : files) {
            if (RankOf(file) == rank) lines.push_back(LineOf(file));
        }
    }
    return lines;
}
