#include "converter_app.h"

#include <commctrl.h>
#include <objbase.h>

#include "convert_dialog.h"

CConverterApp::CConverterApp() {
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
}

CConverterApp::~CConverterApp() { CoUninitialize(); }

INT_PTR CConverterApp::Run() {
    CConvertDialog dialog;
    return dialog.Run();
}
