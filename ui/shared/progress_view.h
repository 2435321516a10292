// What a long conversion asks of the shell: a modal progress window over the
// main dialog, its bar, and the window system's events while the conversion
// runs on a worker thread. All of it is called on the UI thread. Texts are
// UTF-8.
#pragma once

#include <string>

class ConversionProgressView {
public:
    // Opens the progress window, titled with the string table's title, with
    // `text` above an empty bar; the rest of the program takes no input
    // until it closes.
    virtual void OpenProgress(const std::string& text) = 0;
    // Fills the bar to `steps` of kProgressRange (dialog_templates.h).
    virtual void SetProgress(int steps) = 0;
    // Handles the window system's events (repaints above all) for about
    // `milliseconds`.
    virtual void PumpEvents(int milliseconds) = 0;
    virtual void CloseProgress() = 0;

protected:
    ~ConversionProgressView() = default;
};
