// "Convert Data": from two typed file names to a converted file and one
// message, the same for the dialog and the command-line tool.
#pragma once

#include <string>

#include "convert.h"

// Removes leading and trailing space, tab, LF, VT, FF and CR.
std::string TrimFileName(const std::string& name);

// Trims both names in place (output first), checks them, opens both files,
// converts and closes them, then shows exactly one message through
// ShowMessage (a conversion that showed its own, 5111 or 5112, shows none
// here). Returns 0 on success, else the failure's message number:
//   5023 / 5022  a name is empty (both empty: 5023 only)
//   5031         a file cannot be opened, or names a folder
//   5032         both names denote the same file; the IOB file stays untouched
//   5001, 5013, 5014, 5111, 5112  from the conversion; 5013 also when the
//                output cannot be flushed and closed completely
int ConvertFiles(ConversionSettings& settings, std::string& iobName, std::string& outputName);
