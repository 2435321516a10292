#include "iob_file_argument.h"

#include "wide_text.h"
#include "windows_api.h"

// After <windows.h>, which it needs.
#include <shellapi.h>

std::string IobFileArgument(const wchar_t* commandLine) {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(commandLine, &count);
    if (arguments == nullptr) return std::string();
    const std::string name = count > 1 ? Narrow(arguments[1]) : std::string();
    LocalFree(arguments);
    return name;
}
