// The progress window of a long conversion (ProgressDialogTemplate): the
// file's name above a bar, centred on the main dialog, which takes no input
// while it is open. The conversion cannot be stopped, so the window has no
// close box and ignores Escape; the conversion closes it.
#pragma once

#include "windows_api.h"

#include <string>

class CProgressWindow {
public:
    // Shows the window over `owner`; a name too long for it loses the
    // middle of its path. When the window cannot be made, the owner keeps
    // its input (the flow refuses every command until the conversion ends)
    // and the calls below only handle messages.
    void Open(HWND owner, const std::string& text);
    // Fills the bar to `steps` of kProgressRange.
    void SetSteps(int steps);
    // Handles the thread's messages for about `milliseconds`: the windows
    // repaint, the disabled owner refuses input.
    void PumpMessages(int milliseconds);
    // Closes the window and gives the owner its input back.
    void Close();

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
};
