#include "converter_app.h"

#include <commctrl.h>
#include <objbase.h>
#include <utility>

#include "convert_dialog.h"

CConverterApp::CConverterApp(std::vector<std::string> iobFileNames) : iobFileNames_(std::move(iobFileNames)) {
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
    CConvertDialog dialog(iobFileNames_.size() == 1 ? iobFileNames_.front() : std::string());
    if (iobFileNames_.size() > 1) dialog.ConvertOnceShown(iobFileNames_);
    return dialog.Run();
}
