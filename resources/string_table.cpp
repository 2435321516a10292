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
    {kMsgReadError, "File read error on line %lld - %s"},
    {kMsgEnterOutputName, "Please enter a 'QUORVANE' File name"},
    {kMsgEnterIobName, "Please enter an 'IOB' File name"},
    {kMsgCannotOpen, "Cannot open file %s"},
    {kMsgSameFile, "The 'IOB' file and the 'QUORVANE' file are the same file %s"},
    {kMsgSuccess, "Success - the results are in %s"},
    {kMsgReplaceFile, "%s already exists. Do you want to replace it?"},
    {kMsgReplaceIobFile, "%s already exists and is an IOB file. Do you want to replace it?"},
    {kMsgUnsupportedSetting, "Currently no support for '%s' setting in record '%s'"},
    {kMsgTooManyElements, "Too many element values in record '%s' on line %lld"},
    {kMsgSemicolonInName, "Station name '%s' on line %lld contains ';', which a QUORVANE file cannot hold"},
    {kMsgInvalidUnitFactor, "Invalid unit factor in record 'LUNT' on line %lld"},
    {kMsgUnsupportedRecord, "Currently no support for record '%s' on line %lld"},
    {kMsgNoStationPosition, "No position for station '%s' to turn the local covariances on line %lld"},
    {kMsgWeightsNotInvertible, "The weight matrix of the group ending on line %lld cannot be inverted"},
    {kMsgNamesWrittenAlike, "Station names '%s' on line %lld and '%s' on line %lld would both be written as '%s'"},
    {kReportStation, "%lld station"},
    {kReportStations, "%lld stations"},
    {kReportVector, "%lld GPS vector"},
    {kReportVectors, "%lld GPS vectors"},
    {kReportGroup, "in %lld group"},
    {kReportGroups, "in %lld groups"},
    {kReportSummary, "%s, %s %s"},
    {kReportNotConverted, "Not converted: %s"},
    {kReportRecord, "1 %s record (line %lld)"},
    {kReportRecords, "%lld %s records (first on line %lld)"},
    {kReportIncompleteGroupOfOne, "1 incomplete GPS group of 1 vector at the end (line %lld)"},
    {kReportIncompleteGroup, "1 incomplete GPS group of %lld vectors at the end (line %lld)"},
    {kReportUnknownRecord, "1 record of unknown type (%s)"},
    {kReportUnknownRecords, "%lld records of unknown type (%s)"},
    {kReportUnknownType, "'%s' on line %lld"},
    {kReportCutLine, "1 line longer than 257 bytes, its end lost (line %lld)"},
    {kReportCutLines, "%lld lines longer than 257 bytes, their ends lost (first on line %lld)"},
    {kReportIncludeLine, "1 #include line (%s): the file it names was not read, its data is missing from the output"},
    {kReportIncludeLines,
     "%lld #include lines (%s): the files they name were not read, their data is missing from the output"},
    {kReportLineAfterEnd, "1 data line after the END record on line %lld, which ends the data"},
    {kReportLinesAfterEnd, "%lld data lines after the END record on line %lld, which ends the data"},
    {kReportDatumCarriedOver, "Datum %s carried over from the previous conversion: this file has no ELIP record"},
    {kReportNothingConverted,
     "Nothing was converted: the file holds no station and no GPS vector. Check that it is an IOB file."},
    {kMsgIobFilter, "IOB File (*.iob)|*.iob|All Files (*.*)| *.*||"},
    {kMsgIobBrowseTitle, "Select IOB File"},
    {kMsgOutputFilter, "ASCII (Text) File (*.txt)|*.txt|All Files (*.*)| *.*||"},
    {kMsgOutputBrowseTitle, "Enter/Select An Output File"},
    {kMsgProgressTitle, "Conversion in Progress"},
    {kMsgConverting, "Converting %s"},
};

}  // namespace

const char* LoadString(unsigned number) {
    for (const StringEntry& entry : kStringTable) {
        if (entry.number == number) return entry.text;
    }
    return "";
}

}  // namespace iob
