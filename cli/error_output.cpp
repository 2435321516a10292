#include "error_output.h"

#include <cstdio>
#include <filesystem>

#ifdef _WIN32
#include <windows.h>
#endif

void PrintErrorLine(const std::string& utf8Line) {
#ifdef _WIN32
    HANDLE console = GetStdHandle(STD_ERROR_HANDLE);
    DWORD mode = 0;
    if (console != INVALID_HANDLE_VALUE && GetConsoleMode(console, &mode) != 0) {
        const std::wstring wide = std::filesystem::u8path(utf8Line + "\n").wstring();
        DWORD written = 0;
        WriteConsoleW(console, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
        return;
    }
#endif
    std::fprintf(stderr, "%s\n", utf8Line.c_str());
}
