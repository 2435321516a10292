#include "progress_window.h"

#include <commctrl.h>

#include <vector>

#include "accessible_name.h"
#include "centre_on_owner.h"
#include "dialog_fit.h"
#include "dialog_template.h"
#include "wide_text.h"

void CProgressWindow::Open(HWND owner, const std::string& text) {
    const std::vector<DWORD> dialogTemplate =
        BuildDialogTemplate(ProgressDialogTemplate(), WS_POPUP | WS_CAPTION | DS_MODALFRAME, 0);
    window_ = CreateDialogIndirectParamW(
        GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(dialogTemplate.data()), owner, DialogProc, 0);
    // The owner is disabled only under a window whose Close enables it again.
    if (window_ == nullptr) return;
    const HWND label = GetDlgItem(window_, kIdProgressText);
    SetWindowLongPtrW(label, GWL_STYLE, GetWindowLongPtrW(label, GWL_STYLE) | SS_PATHELLIPSIS);
    SetWindowTextW(label, Widen(text).c_str());
    SendDlgItemMessageW(window_, kIdProgressBar, PBM_SETRANGE32, 0, kProgressRange);
    EnableWindow(owner, FALSE);
    ShowWindow(window_, SW_SHOW);
}

void CProgressWindow::SetSteps(int steps) {
    SendDlgItemMessageW(window_, kIdProgressBar, PBM_SETPOS, static_cast<WPARAM>(steps), 0);
}

void CProgressWindow::PumpMessages(int milliseconds) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(milliseconds), QS_ALLINPUT);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (window_ != nullptr && IsDialogMessageW(window_, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void CProgressWindow::Close() {
    if (window_ == nullptr) return;
    // Enabled first, so that the owner becomes the active window again.
    EnableWindow(GetWindow(window_, GW_OWNER), TRUE);
    DestroyWindow(window_);
    window_ = nullptr;
}

INT_PTR CALLBACK CProgressWindow::DialogProc(HWND window, UINT message, WPARAM, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        FitDialogToTexts(window, ProgressDialogTemplate());
        NameControlsForScreenReaders(window, ProgressDialogTemplate());
        CentreOnOwner(window);
        return TRUE;
    case WM_COMMAND:  // Escape, Enter and Alt+F4 end nothing
        return TRUE;
    case WM_SETCURSOR:  // the hourglass of the conversion, over its window too
        SetCursor(LoadCursorW(nullptr, IDC_WAIT));
        SetWindowLongPtrW(window, DWLP_MSGRESULT, TRUE);
        return TRUE;
    default:
        return FALSE;
    }
}
