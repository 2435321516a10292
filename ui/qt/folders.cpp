#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform_folders.h"

namespace {

// Qt's texts of the program's file names, in the 8-bit encoding QFile uses for them.
QString FolderText(const std::string& folder) { return QFile::decodeName(folder.c_str()); }
std::string FolderName(const QString& text) { return QFile::encodeName(text).toStdString(); }

}  // namespace

std::string WorkingFolder() { return FolderName(QDir::currentPath()); }

std::string UserFolder() { return FolderName(QDir::homePath()); }

StartFolderChecks FileSystemFolderChecks() {
    return StartFolderChecks{
        [](const std::string& folder) { return QFileInfo(FolderText(folder)).isDir(); },
        [](const std::string& folder) {
            const QFileInfo info(FolderText(folder));
            return info.isDir() && info.isWritable();
        },
    };
}
