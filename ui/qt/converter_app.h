// The application object: it owns the Qt application, runs the one main
// dialog modally, and the program ends when that dialog ends.
#pragma once

#include <QApplication>
#include <string>
#include <vector>

#include "desktop_session_check.h"

class CConverterApp {
public:
    // Qt takes its own arguments (-platform, -display, ...); those left are
    // IOB file names for the dialog ("Open with", the desktop entry's %F):
    // one goes into its IOB field, several are converted at once.
    // Without a desktop session it ends the program with one line on
    // standard error and status 1.
    CConverterApp(int& argc, char** argv);

    // Runs the main dialog until Close, Escape, the close box or Enter ends
    // it; no event loop runs after it. Returns the exit status, 0.
    int Run();

private:
    // Made first, it watches the QApplication being made.
    DesktopSessionCheck sessionCheck_;
    QApplication application_;
    std::vector<std::string> iobFileNames_;
};
