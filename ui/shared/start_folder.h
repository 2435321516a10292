// Where a Browse dialog starts. Installed, the program's own folder holds no
// IOB file and takes no output (/usr/bin, or C:\Program Files\...), so the
// folders of the names the user has already given come first:
//   1. the folder of the name in the dialog's own field, when it exists;
//   2. else the folder of the name in the other field, when it exists;
//   3. else the program's own folder, when the user may write there (a copy
//      unpacked into a folder of its own);
//   4. else the user's folder: the home folder on Linux, Documents on Windows.
// A name is trimmed first and, when relative, read from the working folder,
// as a conversion opens it; a blank field names no folder. The folders of
// the names are spelled as the platform spells them, without a last
// separator unless it is a root.
#pragma once

#include <functional>
#include <string>

struct BrowseStartPlaces {
    std::string ownName;    // the text of the field the dialog fills
    std::string otherName;  // the text of the other field
    std::string workingFolder;
    std::string programFolder;
    std::string userFolder;
};

// What the rule asks of the file system, so that the rule itself is a pure function.
struct StartFolderChecks {
    std::function<bool(const std::string& folder)> exists;
    std::function<bool(const std::string& folder)> writable;
};

// "/survey/jobs/net.iob" in the own field, its folder existing -> "/survey/jobs".
std::string BrowseStartFolder(const BrowseStartPlaces& places, const StartFolderChecks& checks);

// The rule on the running system (platform_folders.h) for the dialog of the
// field holding `ownName` while the other holds `otherName`.
std::string BrowseStartFolder(const std::string& ownName, const std::string& otherName);
