// The start-folder rule of the Browse dialogs (start_folder.h) with the
// folder checks of the Qt shell, which take Qt's texts. Names and folders
// are the program's file names, in the 8-bit encoding QFile uses for them.
#pragma once

#include <QString>
#include <functional>
#include <string>

#include "start_folder.h"

struct FolderChecks {
    std::function<bool(const QString& folder)> exists;
    std::function<bool(const QString& folder)> writable;
};

std::string BrowseStartFolder(const BrowseStartPlaces& places, const FolderChecks& checks);

// The checks on the real file system, for the running user.
FolderChecks FileSystemFolderChecks();
