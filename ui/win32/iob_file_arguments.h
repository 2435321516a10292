// The program's arguments, IOB file names: "Open with" passes one as "%1";
// files dropped on the program's icon or sent to it from Explorer's
// "Send to" menu come all at once, each an argument. Windows hands the
// command line over in UTF-16; the program keeps names in UTF-8.
#pragma once

#include <string>
#include <vector>

// The arguments after the program's name in `commandLine` (as
// GetCommandLineW gives it), split by the system's rules; none without any.
std::vector<std::string> IobFileArguments(const wchar_t* commandLine);
