// The application object: it owns the Qt application, runs the one main
// dialog modally, and the program ends when that dialog ends.
#pragma once

#include <QApplication>
#include <string>

class CConverterApp {
public:
    // Qt takes its own arguments (-platform, -display, ...); the first one
    // left is an IOB file name for the dialog ("Open with"), and any after
    // it are ignored.
    CConverterApp(int& argc, char** argv);

    // Runs the main dialog until Close, Escape, the close box or Enter ends
    // it; no event loop runs after it. Returns the exit status, 0.
    int Run();

private:
    QApplication application_;
    std::string iobFileName_;
};
