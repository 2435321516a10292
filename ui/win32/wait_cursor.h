// The hourglass for as long as a WaitCursor lives: a conversion runs inside
// the button's handler, and the dialog takes no input meanwhile; the
// progress window of a long one shows the hourglass too, a message box its
// own cursor.
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
