#include "application_title.h"

#include "executable_path.h"

// The separators are ASCII, so a UTF-8 name is cut between whole characters.
std::string TitleOfExecutable(const std::string& executablePath) {
    const std::size_t separator = executablePath.find_last_of("/\\:");
    std::string name = separator == std::string::npos ? executablePath : executablePath.substr(separator + 1);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) name.erase(dot);
    return name;
}

std::string ApplicationTitle() { return TitleOfExecutable(ExecutablePath()); }
