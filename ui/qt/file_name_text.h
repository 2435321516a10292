// A file name as the text of a field, and back. On Linux a file name is
// bytes, nearly always UTF-8. Qt decodes file names as UTF-8 and makes
// every other byte U+FFFD, so `r\xE9seau.iob` would come back from a field
// as the name of another file. Here what Qt decodes and encodes back
// unchanged is Qt's text of it, and each byte that is not stands as the
// lone surrogate U+DC80..U+DCFF, which no decoded name holds: a name goes
// to text and back byte for byte, whatever its bytes.
#pragma once

#include <QString>
#include <string>

QString FieldTextOf(const std::string& fileName);
std::string FileNameOf(const QString& text);
