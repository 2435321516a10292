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

// The plural noun of each kind of doubt, for the count of those not listed.
constexpr MessageNumber kDoubtNouns[kDoubtKinds] = {
    kReportDoubtsNumberText,        kReportDoubtsInfiniteValue, kReportDoubtsUnknownUnit,
    kReportDoubtsAngleOutOfRange,   kReportDoubtsUnreadColumn,  kReportDoubtsNulByte,
    kReportDoubtsNulByte,  // one Ctrl-Z ends the data: never more than one
    kReportDoubtsControlByteInName, kReportDoubtsStationTwice,  kReportDoubtsCorrelation,
};

// One doubt in words: where it is, the text as it stands, what was taken.
std::string DoubtText(DoubtKind kind, const Doubt& d) {
    switch (kind) {
    case DoubtKind::kNumberText:
        return FormatMessage(kReportDoubtNumberText, d.text, d.firstColumn, d.lastColumn, d.line, d.taken);
    case DoubtKind::kInfiniteValue:
        return FormatMessage(kReportDoubtInfiniteValue, d.text, d.firstColumn, d.lastColumn, d.line);
    case DoubtKind::kUnknownUnit:
        return FormatMessage(kReportDoubtUnknownUnit, d.text, d.firstColumn, d.lastColumn, d.line, d.taken);
    case DoubtKind::kAngleOutOfRange:
        return FormatMessage(kReportDoubtAngleOutOfRange, d.text, d.firstColumn, d.lastColumn, d.line);
    case DoubtKind::kUnreadColumn:
        return FormatMessage(kReportDoubtUnreadColumn, d.text, d.firstColumn, d.line);
    case DoubtKind::kNulByte:
        return FormatMessage(kReportDoubtNulByte, d.firstColumn, d.line);
    case DoubtKind::kDataAfterCtrlZ:
        return d.count == 1 ? FormatMessage(kReportDoubtLineAfterCtrlZ, d.line)
                            : FormatMessage(kReportDoubtDataAfterCtrlZ, d.line, d.count);
    case DoubtKind::kControlByteInName:
        return FormatMessage(kReportDoubtControlByteInName, d.text, d.firstColumn, d.lastColumn, d.line);
    case DoubtKind::kCorrelation:
        return FormatMessage(kReportDoubtCorrelation, d.text, d.firstColumn, d.lastColumn, d.line, d.taken);
    case DoubtKind::kStationTwice:
        return FormatMessage(d.differs ? kReportDoubtStationMoved : kReportDoubtStationRepeated, d.text, d.otherLine,
                             d.line);
    }
    return std::string();
}

// The observations that the single-line syntax reads but does not convert, by why.
void AddObservationItems(const ConversionReport& report, std::vector<std::string>& items) {
    for (const RecordTally& records : report.sigmaObservations) {
        items.push_back(records.count == 1
                            ? FormatMessage(kReportSigmaObservation, records.type, records.firstLine)
                            : FormatMessage(kReportSigmaObservations, records.count, records.type, records.firstLine));
    }
    if (const RecordTally& zenith = report.negativeZenithAngles; zenith.count > 0) {
        items.push_back(zenith.count == 1 ? FormatMessage(kReportNegativeZenithAngle, zenith.firstLine)
                                          : FormatMessage(kReportNegativeZenithAngles, zenith.count, zenith.firstLine));
    }
    if (const RecordTally& angles = report.anglesOfAngleUnit; angles.count > 0) {
        items.push_back(
            angles.count == 1
                ? FormatMessage(kReportAngleOfAngleUnit, angles.firstLine, report.angleUnitLine)
                : FormatMessage(kReportAnglesOfAngleUnit, angles.count, angles.firstLine, report.angleUnitLine));
    }
}

}  // namespace

std::string ReportSummary(const ConversionReport& report) {
    const WrittenCounts& written = report.written;
    const std::string stations = Counted(written.stations, kReportStation, kReportStations);
    const std::string vectors = Counted(written.vectors, kReportVector, kReportVectors);
    const std::string groups = Counted(written.groups, kReportGroup, kReportGroups);
    if (written.observations == 0) return FormatMessage(kReportSummary, stations, vectors, groups);
    return FormatMessage(kReportSummaryWithObservations, stations, vectors, groups,
                         Counted(written.observations, kReportObservation, kReportObservations));
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
    if (report.coordinateMatrices > 0) {
        const RecordTally& first = report.firstCoordinateMatrix;
        items.push_back(
            report.coordinateMatrices == 1
                ? FormatMessage(kReportCoordinateMatrix, first.type, first.firstLine)
                : FormatMessage(kReportCoordinateMatrices, report.coordinateMatrices, first.type, first.firstLine));
    }
    AddObservationItems(report, items);
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
    if (!report.defaultDatum.empty()) notes.push_back(FormatMessage(kReportDefaultDatum, report.defaultDatum));
    if (report.anglesWithoutDeflections) notes.push_back(FormatMessage(kReportAnglesWithoutDeflections));
    return notes;
}

std::vector<std::string> DoubtItems(const ConversionReport& report) {
    std::vector<std::string> items;
    for (std::size_t kind = 0; kind < kDoubtKinds; ++kind) {
        const DoubtList& doubts = report.doubts[kind];
        for (const Doubt& doubt : doubts.first) items.push_back(DoubtText(static_cast<DoubtKind>(kind), doubt));
        const long long more = doubts.count - static_cast<long long>(doubts.first.size());
        if (more > 0) {
            items.push_back(FormatMessage(kReportDoubtsMore, LoadString(kDoubtNouns[kind]), doubts.count, more));
        }
    }
    return items;
}

std::string ReportText(const ConversionReport& report) {
    std::string text = ReportSummary(report);
    for (const std::string& note : ReportNotes(report)) text += "\n" + note;
    for (const std::string& item : UnconvertedItems(report)) text += "\n" + FormatMessage(kReportNotConverted, item);
    for (const std::string& item : DoubtItems(report)) text += "\n" + FormatMessage(kReportReadWithDoubt, item);
    return text;
}

}  // namespace iob
