#include "string_table.h"

namespace {

struct StringEntry {
    unsigned number;
    const char* text;
};

// Placeholders are printf-style and filled in the order the callers pass them.
// A file name is always an argument, never part of a text.
const StringEntry kStringTable[] = {
    {101, "&About IobToQuorvane..."},
    {5001, "Unable to allocate the required memory"},
    {5013, "File write error %s"},
    {5014, "File read error on line %d - %s"},
    {5022, "Please enter a 'QUORVANE' File name"},
    {5023, "Please enter an 'IOB' File name"},
    {5031, "Cannot open file %s"},
    {5032, "The 'IOB' file and the 'QUORVANE' file are the same file %s"},
    {5041, "Success - the results are in %s"},
    {5111, "Currently no support for '%s' setting in record '%s'"},
    {5112, "Too many element values in record '%s' on line %d"},
    {7001, "IOB File (*.iob)|*.iob|All Files (*.*)| *.*||"},
    {7002, "Select IOB File"},
    {7011, "ASCII (Text) File (*.txt)|*.txt|All Files (*.*)| *.*||"},
    {7012, "Enter/Select An Output File"},
};

}  // namespace

const char* LoadString(unsigned number) {
    for (const StringEntry& entry : kStringTable) {
        if (entry.number == number) return entry.text;
    }
    return "";
}
