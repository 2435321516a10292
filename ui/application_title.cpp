#include "application_title.h"

#include <QCoreApplication>

QString TitleOfExecutable(const QString& executablePath) {
    qsizetype start = 0;
    for (qsizetype i = 0; i < executablePath.size(); ++i) {
        const QChar c = executablePath[i];
        if (c == u'/' || c == u'\\' || c == u':') start = i + 1;
    }
    QString name = executablePath.mid(start);
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot > 0) name.truncate(dot);
    return name;
}

QString ApplicationTitle() { return TitleOfExecutable(QCoreApplication::applicationFilePath()); }
