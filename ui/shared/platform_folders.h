// The folders and folder checks the start-folder rule (start_folder.h)
// takes from the running system. Each shell defines them with its
// platform's own calls. Names are the program's file names.
#pragma once

#include <string>

#include "start_folder.h"

std::string WorkingFolder();

// Where a Browse dialog starts when nothing better is known: the home
// folder on Linux, Documents on Windows; empty when the system names none.
std::string UserFolder();

// The checks on the real file system, for the running user.
StartFolderChecks FileSystemFolderChecks();
