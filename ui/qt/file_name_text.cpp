#include "file_name_text.h"

#include <QByteArray>
#include <QFile>

namespace {

constexpr char16_t kEscapeBase = 0xDC00;

// The length of the UTF-8 sequence `lead` starts, or 0 when none starts with it.
qsizetype SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

// Overlong forms, surrogates and cut sequences fail this, as does a leading
// byte order mark, which Qt drops.
bool QtKeeps(const QByteArray& bytes) { return QFile::encodeName(QFile::decodeName(bytes)) == bytes; }

bool IsEscape(const QString& text, qsizetype at) {
    const char16_t unit = text.at(at).unicode();
    return unit >= kEscapeBase + 0x80 && unit <= kEscapeBase + 0xFF && (at == 0 || !text.at(at - 1).isHighSurrogate());
}

}  // namespace

QString FieldTextOf(const std::string& fileName) {
    const QByteArray bytes(fileName.data(), static_cast<qsizetype>(fileName.size()));
    if (QtKeeps(bytes)) return QFile::decodeName(bytes);
    QString text;
    for (qsizetype at = 0; at < bytes.size();) {
        const auto byte = static_cast<unsigned char>(bytes.at(at));
        const qsizetype length = SequenceLength(byte);
        const QByteArray sequence = bytes.mid(at, length);
        if (length > 0 && sequence.size() == length && QtKeeps(sequence)) {
            text += QFile::decodeName(sequence);
            at += length;
        } else {
            text += QChar(static_cast<char16_t>(kEscapeBase + byte));
            ++at;
        }
    }
    return text;
}

std::string FileNameOf(const QString& text) {
    std::string fileName;
    qsizetype runStart = 0;
    const auto takeRun = [&](qsizetype end) {
        fileName += QFile::encodeName(text.mid(runStart, end - runStart)).toStdString();
    };
    for (qsizetype at = 0; at < text.size(); ++at) {
        if (!IsEscape(text, at)) continue;
        takeRun(at);
        fileName += static_cast<char>(text.at(at).unicode() - kEscapeBase);
        runStart = at + 1;
    }
    takeRun(text.size());
    return fileName;
}
