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

}  // namespace

std::string ReportSummary(const ConversionReport& report) {
    return FormatMessage(kReportSummary, Counted(report.stations, kReportStation, kReportStations).c_str(),
                         Counted(report.vectors, kReportVector, kReportVectors).c_str(),
                         Counted(report.groups, kReportGroup, kReportGroups).c_str());
}

std::vector<std::string> UnconvertedItems(const ConversionReport& report) {
    std::vector<std::string> items;
    for (const RecordTally& records : report.unconvertedRecords) {
        items.push_back(records.count == 1
                            ? FormatMessage(kReportRecord, records.type.c_str(), records.firstLine)
                            : FormatMessage(kReportRecords, records.count, records.type.c_str(), records.firstLine));
    }
    if (report.unknownRecords > 0) {
        std::vector<std::string> types;
        for (const RecordTally& record : report.firstUnknownRecords) {
            types.push_back(FormatMessage(kReportUnknownType, record.type.c_str(), record.firstLine));
        }
        if (report.unknownRecords > static_cast<long long>(types.size())) types.push_back("...");
        const std::string list = Joined(types, ", ");
        items.push_back(report.unknownRecords == 1
                            ? FormatMessage(kReportUnknownRecord, list.c_str())
                            : FormatMessage(kReportUnknownRecords, report.unknownRecords, list.c_str()));
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
    return items;
}

std::string ReportText(const ConversionReport& report) {
    std::string text = ReportSummary(report);
    const std::vector<std::string> items = UnconvertedItems(report);
    if (!items.empty()) text += "\n" + FormatMessage(kReportNotConverted, Joined(items, "; ").c_str());
    return text;
}

}  // namespace iob
