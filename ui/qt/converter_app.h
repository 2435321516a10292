// The application object: it owns the Qt application, runs the one main
// dialog modally, and the program ends when that dialog ends.
#pragma once

#include <QApplication>

class CConverterApp {
public:
    // Qt takes its own arguments (-platform, -display, ...); the program has
    // none of its own.
    CConverterApp(int& argc, char** argv);

    // Runs the main dialog until Close, Escape, the close box or Enter ends
    // it; no event loop runs after it. Returns the exit status, 0.
    int Run();

private:
    QApplication application_;
};
