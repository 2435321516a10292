// Where a Browse dialog starts. Installed, the program's own folder is
// /usr/bin or /usr/local/bin, which holds no IOB file and takes no output,
// so the folders of the names the user has already given come first:
//   1. the folder of the name in the dialog's own field, when it exists;
//   2. else the folder of the name in the other field, when it exists;
//   3. else the program's own folder, when the user may write there (a copy
//      unpacked into a folder of its own);
//   4. else the user's home folder.
// A name is trimmed first and, when relative, read from the working folder,
// as a conversion opens it; a blank field names no folder.
#pragma once

#include <QString>
#include <functional>

struct BrowseStartPlaces {
    QString ownName;    // the text of the field the dialog fills
    QString otherName;  // the text of the other field
    QString workingFolder;
    QString programFolder;
    QString homeFolder;
};

// What the rule asks of the file system, so that the rule itself is a pure function.
struct FolderChecks {
    std::function<bool(const QString& folder)> exists;
    std::function<bool(const QString& folder)> writable;
};

// "/survey/jobs/net.iob" in the own field, its folder existing -> "/survey/jobs".
QString BrowseStartFolder(const BrowseStartPlaces& places, const FolderChecks& checks);

// The checks on the real file system, for the running user.
FolderChecks FileSystemFolderChecks();
