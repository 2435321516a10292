#include "test_files.h"

#include <QFile>

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QByteArray();
    return file.readAll();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

QString ExamplePath(const QString& name) { return QStringLiteral(IOB_EXAMPLES_DIR "/") + name; }
