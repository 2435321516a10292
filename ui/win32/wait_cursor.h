// The hourglass for as long as a WaitCursor lives: the button's handler
// waits while a conversion runs on its worker thread (background_conversion.h)
// and starts nothing else meanwhile; the progress window, open after half a
// second, shows the hourglass too, a message box its own cursor.
#pragma once

#include "windows_api.h"

class WaitCursor {
public:
    WaitCursor() : previous_(SetCursor(LoadCursorW(nullptr, IDC_WAIT))) {}
    ~WaitCursor() { SetCursor(previous_); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    HCURSOR previous_;
};
