// The application's title, the caption of every message box. The program
// has no title string of its own: the title is the executable's file name
// without folder and extension.
#pragma once

#include <QString>

// "C:\\Programs\\IobToQuorvane.EXE" and "/usr/bin/IobToQuorvane" -> "IobToQuorvane".
QString TitleOfExecutable(const QString& executablePath);

// The title of the running executable.
QString ApplicationTitle();
