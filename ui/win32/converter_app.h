// The application object: it prepares the thread that runs the dialogs for
// as long as it lives, and runs the one main dialog modally.
#pragma once

#include "windows_api.h"

#include <string>

class CConverterApp {
public:
    // Loads the common controls of version 6, which the manifest asks for,
    // so that buttons and fields take the system's visual style; the open
    // dialog hosts shell parts, which want a single-threaded apartment.
    // `iobFileName`, the program's argument or empty, fills the IOB field.
    explicit CConverterApp(std::string iobFileName = std::string());
    ~CConverterApp();
    CConverterApp(const CConverterApp&) = delete;
    CConverterApp& operator=(const CConverterApp&) = delete;

    // Runs the main dialog until Close, Escape, the close box or Enter ends
    // it; returns its result, IDOK for Enter, else IDCANCEL. Throws, as
    // CConvertDialog::Run does, when the dialog cannot be made.
    INT_PTR Run();

private:
    std::string iobFileName_;
    bool comInitialised_ = false;
};
