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
