// The About box (template 100): the application icon, the program's name
// and version, what it does and its licence, and "OK". "OK", Enter, Escape
// and the close box end it.
#pragma once

#include "windows_api.h"

class CAboutDialog {
public:
    // Runs it modally, centred over `owner`.
    static void Run(HWND owner);

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};
