#include "executable_path.h"

#include <QCoreApplication>
#include <QFile>

// Qt asks the system, not argv[0]; it needs the application object.
std::string ExecutablePath() { return QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString(); }
