// Files for the GUI tests: whole-file reads and writes, byte for byte.
#pragma once

#include <QByteArray>
#include <QString>

QByteArray ReadBytes(const QString& path);
void WriteBytes(const QString& path, const QByteArray& bytes);
// A file of examples/.
QString ExamplePath(const QString& name);
