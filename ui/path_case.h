// The case of a path chosen in a browse dialog. Where file names ignore
// case, the chosen path is stored in lower case (A to Z); where case tells
// files apart, as on Linux, lower-casing would name another, usually
// missing, file, so the path is kept as chosen.
#pragma once

#include <QString>

QString ChosenPathCase(const QString& path);
