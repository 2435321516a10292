#include "module_directory.h"

#include <vector>

#include <iob/trim.h>

#include "executable_path.h"

namespace {

bool IsFolderSeparator(char c) { return c == '\\' || c == '/' || c == ':'; }

}  // namespace

std::string DirectoryOfPath(const std::string& path) {
    std::vector<char> buffer(path.begin(), path.end());
    buffer.push_back('\0');
    std::string directory = iob::TrimBoth(buffer.data());
    while (!directory.empty() && !IsFolderSeparator(directory.back())) directory.pop_back();
    if (!directory.empty() && directory.back() == ':') directory.push_back('\\');
    return directory;
}

std::string GetModuleDirectory() { return DirectoryOfPath(ExecutablePath()); }

std::string ProgramBrowseFolder(const std::string& moduleDirectory) {
    std::string folder = DirectoryOfPath(moduleDirectory);
    std::vector<char> buffer(folder.begin(), folder.end());
    buffer.push_back('\0');
    return iob::TrimTrailingChar(buffer.data(), '\\');
}
