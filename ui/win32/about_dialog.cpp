#include "about_dialog.h"

#include "centre_on_owner.h"
#include "dialog_fit.h"
#include "dialog_template.h"

void CAboutDialog::Run(HWND owner) {
    const std::vector<DWORD> dialogTemplate =
        BuildDialogTemplate(AboutDialogTemplate(), WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 0);
    DialogBoxIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(dialogTemplate.data()), owner,
                            DialogProc, 0);
}

INT_PTR CALLBACK CAboutDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        FitDialogToTexts(window, AboutDialogTemplate());
        CentreOnOwner(window);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(window, LOWORD(wParam));
        return TRUE;
    default:
        return FALSE;
    }
}
