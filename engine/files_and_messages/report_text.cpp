#include <iob/report_text.h>

#include <iob/show_message.h>

namespace iob {
namespace {

// "1 station" or "2 stations".
std::string Counted(long long count, MessageNumber one, MessageNumber many) {
    return FormatMessage(count == 1 ? one : many, count);
}

std::string Joined(const std::vector<std::string>& items, const char* separator) {
    std::string text;
    for (const std::string& item : items) {
        if (!text.empty()) text += separator;
        text += item;
    }
    return text;
}

// The first few of `total` records, each quoted with its line: "'PLh' on
// line 3, 'DXZY' on line 9, ...".
std::string Listed(const std::vector<RecordTally>& first, long long total) {
    std::vector<std::string> quoted;
    quoted.reserve(first.size() + 1);
    for (const RecordTally& record : first) {
        quoted.push_back(FormatMessage(kReportUnknownType, record.type.c_str(), record.firstLine));
    }
    if (total > static_cast<long long>(quoted.size())) quoted.push_back("...");
    return Joined(quoted, ", ");
}

}  // namespace

std::string ReportSummary(const ConversionReport& report) {
    return FormatMessage(kReportSummary, Counted(report.written.stations, kReportStation, kReportStations).c_str(),
                         Counted(report.written.vectors, kReportVector, kReportVectors).c_str(),
                         Counted(report.written.groups, kReportGroup, kReportGroups).c_str());
}

std::vector<std::string> UnconvertedItems(const ConversionReport& report) {
    std::vector<std::string> items;
    for (const RecordTally& records : report.unconvertedRecords) {
        items.push_back(records.count == 1
                            ? FormatMessage(kReportRecord, records.type.c_str(), records.firstLine)
                            : FormatMessage(kReportRecords, records.count, records.type.c_str(), records.firstLine));
    }
    if (report.unknownRecords > 0) {
        const std::string list = Listed(report.firstUnknownRecords, report.unknownRecords);
        items.push_back(report.unknownRecords == 1
                            ? FormatMessage(kReportUnknownRecord, list.c_str())
                            : FormatMessage(kReportUnknownRecords, report.unknownRecords, list.c_str()));
    }
    if (report.includeLines > 0) {
        const std::string list = Listed(report.firstIncludeLines, report.includeLines);
        items.push_back(report.includeLines == 1
                            ? FormatMessage(kReportIncludeLine, list.c_str())
                            : FormatMessage(kReportIncludeLines, report.includeLines, list.c_str()));
    }
    if (report.incompleteGroupVectors > 0) {
        items.push_back(
            report.incompleteGroupVectors == 1
                ? FormatMessage(kReportIncompleteGroupOfOne, report.incompleteGroupLine)
                : FormatMessage(kReportIncompleteGroup, report.incompleteGroupVectors, report.incompleteGroupLine));
    }
    if (report.cutLines > 0) {
        items.push_back(report.cutLines == 1 ? FormatMessage(kReportCutLine, report.firstCutLine)
                                             : FormatMessage(kReportCutLines, report.cutLines, report.firstCutLine));
    }
    if (report.linesAfterEnd > 0) {
        items.push_back(report.linesAfterEnd == 1
                            ? FormatMessage(kReportLineAfterEnd, report.endLine)
                            : FormatMessage(kReportLinesAfterEnd, report.linesAfterEnd, report.endLine));
    }
    return items;
}

std::vector<std::string> ReportNotes(const ConversionReport& report) {
    std::vector<std::string> notes;
    if (report.nothingConverted) notes.push_back(FormatMessage(kReportNothingConverted));
    if (!report.carriedOverDatum.empty()) {
        notes.push_back(FormatMessage(kReportDatumCarriedOver, report.carriedOverDatum.c_str()));
    }
    return notes;
}

std::string ReportText(const ConversionReport& report) {
    std::string text = ReportSummary(report);
    for (const std::string& note : ReportNotes(report)) text += "\n" + note;
    const std::vector<std::string> items = UnconvertedItems(report);
    if (!items.empty()) text += "\n" + FormatMessage(kReportNotConverted, Joined(items, "; ").c_str());
    return text;
}

}  // namespace iob
