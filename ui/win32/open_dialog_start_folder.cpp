#include "open_dialog_start_folder.h"

#include "windows_api.h"

#include <filesystem>

#include "platform_folders.h"
#include "wide_text.h"

std::string OpenDialogStartFolder(const std::string& folder, const std::function<bool(const std::string&)>& isFolder) {
    std::filesystem::path candidate(Widen(folder));
    while (!candidate.empty()) {
        // Only a name that fits is looked at: the system's calls may not take a longer one either.
        if (candidate.native().size() < MAX_PATH) {
            std::string name = Narrow(candidate.native());
            if (isFolder(name)) return name;
        }
        std::filesystem::path parent = candidate.parent_path();
        // A root is its own parent.
        if (parent == candidate) break;
        candidate = std::move(parent);
    }
    return std::string();
}

std::string OpenDialogStartFolder(const std::string& folder) {
    return OpenDialogStartFolder(folder, FileSystemFolderChecks().exists);
}
