// The hourglass for as long as a WaitCursor lives: a conversion runs inside
// the button's handler and takes no input, so no message resets the cursor
// meanwhile; a message box shows its own.
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
