// The folders the start-folder rule (start_folder.h) needs on Windows.
#pragma once

#include <string>

#include "start_folder.h"

std::string WorkingFolder();

// The user's Documents folder, where a Browse dialog starts when nothing
// better is known; empty when the system names none.
std::string DocumentsFolder();

// The checks on the real file system, for the running user. A folder is
// writable when a file can be made in it: under Program Files the rights,
// not the folder's attributes, forbid it.
StartFolderChecks FileSystemFolderChecks();
