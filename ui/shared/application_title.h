// The application's title, the caption of every message box. The program
// has no title string of its own: the title is the executable's file name
// without folder and extension.
#pragma once

#include <string>

// "C:\\Programs\\IobToQuorvane.EXE" and "/usr/bin/IobToQuorvane" -> "IobToQuorvane".
std::string TitleOfExecutable(const std::string& executablePath);

// The title of the running executable.
std::string ApplicationTitle();
