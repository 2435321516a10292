// The application object: it prepares the thread that runs the dialogs for
// as long as it lives, and runs the one main dialog modally.
#pragma once

#include "windows_api.h"

#include <string>
#include <vector>

class CConverterApp {
public:
    // Loads the common controls of version 6, which the manifest asks for,
    // so that buttons and fields take the system's visual style; the open
    // dialog hosts shell parts, which want a single-threaded apartment.
    // `iobFileNames` are the program's arguments: one goes into the IOB
    // field, several are converted at once, as files dropped on the dialog.
    explicit CConverterApp(std::vector<std::string> iobFileNames = {});
    ~CConverterApp();
    CConverterApp(const CConverterApp&) = delete;
    CConverterApp& operator=(const CConverterApp&) = delete;

    // Runs the main dialog until Close, Escape, the close box or Enter ends
    // it; returns its result, IDOK for Enter, else IDCANCEL. Throws, as
    // CConvertDialog::Run does, when the dialog cannot be made.
    INT_PTR Run();

private:
    std::vector<std::string> iobFileNames_;
    bool comInitialised_ = false;
};
