#include "converter_app.h"

#include <commctrl.h>
#include <objbase.h>
#include <utility>

#include "convert_dialog.h"

CConverterApp::CConverterApp(std::string iobFileName) : iobFileName_(std::move(iobFileName)) {
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
}

CConverterApp::~CConverterApp() { CoUninitialize(); }

INT_PTR CConverterApp::Run() {
    CConvertDialog dialog(iobFileName_);
    return dialog.Run();
}
