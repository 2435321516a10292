#include "browse_start_folder.h"

#include <QFile>
#include <QFileInfo>

std::string BrowseStartFolder(const BrowseStartPlaces& places, const FolderChecks& checks) {
    const auto onQtText = [](const std::function<bool(const QString&)>& check) {
        return [check](const std::string& folder) { return check(QFile::decodeName(folder.c_str())); };
    };
    return BrowseStartFolder(places, StartFolderChecks{onQtText(checks.exists), onQtText(checks.writable)});
}

FolderChecks FileSystemFolderChecks() {
    return FolderChecks{
        [](const QString& folder) { return QFileInfo(folder).isDir(); },
        [](const QString& folder) {
            const QFileInfo info(folder);
            return info.isDir() && info.isWritable();
        },
    };
}
