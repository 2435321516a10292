#include <iob/string_table.h>

namespace iob {
namespace {

struct StringEntry {
    MessageNumber number;
    const char* text;
};

// Placeholders are printf-style and filled in the order the callers pass them.
// A file name is always an argument, never part of a text.
const StringEntry kStringTable[] = {
    {kMsgAboutMenuEntry, "&About IobToQuorvane..."},
    {kMsgOutOfMemory, "Unable to allocate the required memory"},
    {kMsgWriteError, "File write error %s"},
    {kMsgReadError, "File read error on line %d - %s"},
    {kMsgEnterOutputName, "Please enter a 'QUORVANE' File name"},
    {kMsgEnterIobName, "Please enter an 'IOB' File name"},
    {kMsgCannotOpen, "Cannot open file %s"},
    {kMsgSameFile, "The 'IOB' file and the 'QUORVANE' file are the same file %s"},
    {kMsgSuccess, "Success - the results are in %s"},
    {kMsgUnsupportedSetting, "Currently no support for '%s' setting in record '%s'"},
    {kMsgTooManyElements, "Too many element values in record '%s' on line %d"},
    {kMsgSemicolonInName, "Station name '%s' on line %d contains ';', which a QUORVANE file cannot hold"},
    {kMsgInvalidUnitFactor, "Invalid unit factor in record 'LUNT' on line %d"},
    {kMsgUnsupportedRecord, "Currently no support for record '%s' on line %d"},
    {kMsgNoStationPosition, "No position for station '%s' to turn the local covariances on line %d"},
    {kMsgWeightsNotInvertible, "The weight matrix of the group ending on line %d cannot be inverted"},
    {kReportStation, "%d station"},
    {kReportStations, "%d stations"},
    {kReportVector, "%d GPS vector"},
    {kReportVectors, "%d GPS vectors"},
    {kReportGroup, "in %d group"},
    {kReportGroups, "in %d groups"},
    {kReportSummary, "%s, %s %s"},
    {kReportNotConverted, "Not converted: %s"},
    {kReportRecord, "1 %s record (line %d)"},
    {kReportRecords, "%d %s records (first on line %d)"},
    {kReportIncompleteGroupOfOne, "1 incomplete GPS group of 1 vector at the end (line %d)"},
    {kReportIncompleteGroup, "1 incomplete GPS group of %d vectors at the end (line %d)"},
    {kReportUnknownRecord, "1 record of unknown type (%s)"},
    {kReportUnknownRecords, "%d records of unknown type (%s)"},
    {kReportUnknownType, "'%s' on line %d"},
    {kReportCutLine, "1 line longer than 257 bytes, its end lost (line %d)"},
    {kReportCutLines, "%d lines longer than 257 bytes, their ends lost (first on line %d)"},
    {kMsgIobFilter, "IOB File (*.iob)|*.iob|All Files (*.*)| *.*||"},
    {kMsgIobBrowseTitle, "Select IOB File"},
    {kMsgOutputFilter, "ASCII (Text) File (*.txt)|*.txt|All Files (*.*)| *.*||"},
    {kMsgOutputBrowseTitle, "Enter/Select An Output File"},
};

}  // namespace

const char* LoadString(unsigned number) {
    for (const StringEntry& entry : kStringTable) {
        if (entry.number == number) return entry.text;
    }
    return "";
}

}  // namespace iob
