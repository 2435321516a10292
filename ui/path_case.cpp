#include "path_case.h"

QString ChosenPathCase(const QString& path) {
#ifdef Q_OS_WIN
    QString lower = path;
    for (QChar& c : lower) {
        if (c >= u'A' && c <= u'Z') c = QChar(c.unicode() + (u'a' - u'A'));
    }
    return lower;
#else
    return path;
#endif
}
