#include "start_folder.h"

#include <filesystem>

#include <iob/convert_files.h>

#include "module_directory.h"
#include "platform_folders.h"

namespace {

// Only text is worked on here: no file is looked at for this.
std::string FolderOfName(const std::string& name, const std::string& workingFolder) {
    namespace fs = std::filesystem;
    const std::string trimmed = iob::TrimFileName(name);
    if (trimmed.empty()) return std::string();
    // The folder part is cut off first and dot-dot steps resolved after: that of "jobs/.." is "jobs".
    fs::path folder = (fs::u8path(workingFolder) / fs::u8path(trimmed)).parent_path().lexically_normal();
    // "a/b/." resolves to "a/b/", a folder named with its last separator.
    if (!folder.has_filename() && folder.has_relative_path()) folder = folder.parent_path();
    return folder.u8string();
}

}  // namespace

std::string BrowseStartFolder(const BrowseStartPlaces& places, const StartFolderChecks& checks) {
    for (const std::string* name : {&places.ownName, &places.otherName}) {
        std::string folder = FolderOfName(*name, places.workingFolder);
        if (!folder.empty() && checks.exists(folder)) return folder;
    }
    if (!places.programFolder.empty() && checks.writable(places.programFolder)) return places.programFolder;
    return places.userFolder;
}

std::string BrowseStartFolder(const std::string& ownName, const std::string& otherName) {
    const BrowseStartPlaces places{ownName, otherName, WorkingFolder(), ProgramBrowseFolder(GetModuleDirectory()),
                                   UserFolder()};
    return BrowseStartFolder(places, FileSystemFolderChecks());
}
