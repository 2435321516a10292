#include "browse_start_folder.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Only text is worked on here: QDir and QFileInfo look at no file for this.
QString FolderOfName(const QString& name, const QString& workingFolder) {
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty()) return QString();
    return QDir::cleanPath(QFileInfo(QDir(workingFolder).absoluteFilePath(trimmed)).path());
}

}  // namespace

QString BrowseStartFolder(const BrowseStartPlaces& places, const FolderChecks& checks) {
    for (const QString* name : {&places.ownName, &places.otherName}) {
        const QString folder = FolderOfName(*name, places.workingFolder);
        if (!folder.isEmpty() && checks.exists(folder)) return folder;
    }
    if (!places.programFolder.isEmpty() && checks.writable(places.programFolder)) return places.programFolder;
    return places.homeFolder;
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
