// The desktop program started without a desktop session. Qt connects to the
// display while the QApplication is made; when it cannot (no DISPLAY or
// WAYLAND_DISPLAY, a platform plugin that cannot start) it shows its own
// fatal text and aborts. Made just before the QApplication, this holds Qt's
// messages until released; on a fatal one it writes instead the string
// table's one line, that the program needs a desktop session and that
// iob2quorvane converts on the command line, and ends the program with
// status 1. Released, it shows the held messages as Qt would have.
#pragma once

class DesktopSessionCheck {
public:
    DesktopSessionCheck();
    ~DesktopSessionCheck();
    DesktopSessionCheck(const DesktopSessionCheck&) = delete;
    DesktopSessionCheck& operator=(const DesktopSessionCheck&) = delete;

    void Release();

private:
    bool released_ = false;
};
