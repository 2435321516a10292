#include "iob_file_arguments.h"

#include "wide_text.h"
#include "windows_api.h"

// After <windows.h>, which it needs.
#include <shellapi.h>

std::vector<std::string> IobFileArguments(const wchar_t* commandLine) {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(commandLine, &count);
    if (arguments == nullptr) return {};
    std::vector<std::string> names;
    for (int i = 1; i < count; ++i) names.push_back(Narrow(arguments[i]));
    LocalFree(arguments);
    return names;
}
