// The program's one optional argument, an IOB file name: "Open with" passes
// it as "%1". Windows hands the command line over in UTF-16; the program
// keeps names in UTF-8.
#pragma once

#include <string>

// The first argument after the program's name in `commandLine` (as
// GetCommandLineW gives it), split by the system's rules; empty without
// one. Arguments after it are ignored.
std::string IobFileArgument(const wchar_t* commandLine);
