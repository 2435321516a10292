// The folder of the running executable, where a browse dialog may start.
#pragma once

#include <string>

// The folder part of `path`, trimmed of blanks first: everything up to and
// including the last "\", "/" or ":", with "\" added after a last ":".
// "C:\\Tools\\Conv\\app.exe" -> "C:\\Tools\\Conv\\", "C:app.exe" -> "C:\\",
// "/opt/iob/bin/IobToQuorvane" -> "/opt/iob/bin/", "app.exe" -> "".
std::string DirectoryOfPath(const std::string& path);

// The folder of the running executable, ending in its separator.
std::string GetModuleDirectory();

// The program's own folder as a browse dialog is given it, from the
// executable's folder: the same folder without trailing backslashes, so
// "C:\\" gives "C:".
std::string ProgramBrowseFolder(const std::string& moduleDirectory);
