#include "converter_app.h"

#include <commctrl.h>
#include <objbase.h>
#include <utility>

#include "convert_dialog.h"

CConverterApp::CConverterApp(std::string iobFileName) : iobFileName_(std::move(iobFileName)) {
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    // Every success, S_FALSE (already so on this thread) too, needs its
    // CoUninitialize. After RPC_E_CHANGED_MODE COM is usable in the
    // apartment that someone else chose and is theirs to end; after any
    // other failure there is nothing to end.
    comInitialised_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
}

CConverterApp::~CConverterApp() {
    if (comInitialised_) CoUninitialize();
}

INT_PTR CConverterApp::Run() {
    CConvertDialog dialog(iobFileName_);
    return dialog.Run();
}
