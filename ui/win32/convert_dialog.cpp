#include "convert_dialog.h"

#include <new>
#include <system_error>
#include <utility>
#include <vector>

#include "about_dialog.h"
#include "accessible_name.h"
#include "browse_file_dialog.h"
#include "dialog_fit.h"
#include "dialog_template.h"
#include "message_box.h"
#include "step_aside.h"
#include "wait_cursor.h"
#include "wide_text.h"

namespace {

int FieldId(NameField field) { return field == NameField::kIob ? kIdIobName : kIdOutputName; }

// The icon resource at the size the system wants for `size` (SM_CXICON or SM_CXSMICON).
LPARAM AppIcon(int size) {
    return reinterpret_cast<LPARAM>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kAppIconResource),
                                               IMAGE_ICON, GetSystemMetrics(size), GetSystemMetrics(size),
                                               LR_DEFAULTCOLOR | LR_SHARED));
}

}  // namespace

INT_PTR CConvertDialog::Run() {
    // An application window of its own, with its own taskbar button.
    const std::vector<DWORD> dialogTemplate = BuildDialogTemplate(
        ConvertDialogTemplate(), WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER, WS_EX_APPWINDOW);
    const INT_PTR result =
        DialogBoxIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(dialogTemplate.data()),
                                nullptr, DialogProc, reinterpret_cast<LPARAM>(this));
    if (result != -1) return result;
    const DWORD error = GetLastError();
    if (error == ERROR_NOT_ENOUGH_MEMORY || error == ERROR_OUTOFMEMORY) throw std::bad_alloc();
    throw std::system_error(static_cast<int>(error), std::system_category(), "The main dialog cannot be made");
}

INT_PTR CALLBACK CConvertDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        auto* dialog = reinterpret_cast<CConvertDialog*>(lParam);
        dialog->window_ = window;
        dialog->OnInitDialog();
        return TRUE;  // the focus goes to the first tab stop, the IOB field
    }
    auto* dialog = reinterpret_cast<CConvertDialog*>(GetWindowLongPtrW(window, DWLP_USER));
    if (dialog == nullptr) return FALSE;
    switch (message) {
    case WM_COMMAND:
        // The proposal follows the IOB name however it changes.
        if (LOWORD(wParam) == kIdIobName && HIWORD(wParam) == EN_CHANGE) {
            dialog->flow_.OnIobNameChanged();
            return TRUE;
        }
        dialog->OnCommand(LOWORD(wParam));
        return TRUE;
    case kConvertGivenFiles: {
        const std::vector<std::string> names = std::move(dialog->givenFiles_);
        // A modal dialog is shown once its queue is empty, which this
        // message kept it from being: its boxes would stand over nothing.
        ShowWindow(window, SW_SHOW);
        WaitCursor wait;
        dialog->flow_.OnFilesGiven(names);
        return TRUE;
    }
    case WM_DROPFILES:
        dialog->OnDropFiles(reinterpret_cast<HDROP>(wParam));
        return TRUE;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) != CConvertDialog::kAboutCommand) return FALSE;
        // Its end would give the dialog its input back while a conversion runs.
        if (!dialog->flow_.IsConverting()) CAboutDialog::Run(window);
        return TRUE;
    case WM_DESTROY:
        dialog->OnDestroy();
        return FALSE;
    default:
        return FALSE;
    }
}

void CConvertDialog::OnInitDialog() {
    FitDialogToTexts(window_, ConvertDialogTemplate());
    StepAsideFromTwins(window_);
    NameControlsForScreenReaders(window_, ConvertDialogTemplate());
    previousPresenter_ = iob::SetMessagePresenter(MessageBoxPresenter(window_));
    const std::wstring aboutText = Widen(iob::LoadString(iob::kMsgAboutMenuEntry));
    HMENU systemMenu = GetSystemMenu(window_, FALSE);
    if (systemMenu != nullptr && !aboutText.empty()) {
        AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(systemMenu, MF_STRING, kAboutCommand, aboutText.c_str());
    }
    SendMessageW(window_, WM_SETICON, ICON_BIG, AppIcon(SM_CXICON));
    SendMessageW(window_, WM_SETICON, ICON_SMALL, AppIcon(SM_CXSMICON));
    flow_.FillControls();
    DragAcceptFiles(window_, TRUE);
    if (!givenFiles_.empty()) PostMessageW(window_, kConvertGivenFiles, 0, 0);
}

void CConvertDialog::OnDropFiles(HDROP drop) {
    std::vector<std::string> names;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::wstring name(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
        name.resize(DragQueryFileW(drop, i, name.data(), static_cast<UINT>(name.size())));
        names.push_back(Narrow(name));
    }
    DragFinish(drop);
    WaitCursor wait;
    flow_.OnFilesGiven(names);
}

void CConvertDialog::OnCommand(int id) {
    // The box has changed already, and the conversion that may be running
    // keeps the syntax it started with: the choice is stored either way.
    if (id == kIdSingleLineSyntax) {
        flow_.OnSyntaxChosen();
        return;
    }
    // A command queued before the main dialog was disabled, or a close
    // from the taskbar, waits for no conversion: none may start or end the
    // dialog while one runs.
    if (flow_.IsConverting()) return;
    switch (id) {
    case kIdConvert: {
        WaitCursor wait;
        flow_.OnConvert();
        break;
    }
    case kIdBrowseIob:
        flow_.OnBrowseIob();
        break;
    case kIdBrowseOutput:
        flow_.OnBrowseOutput();
        break;
    case IDOK:
        flow_.OnOK();
        EndDialog(window_, IDOK);
        break;
    case IDCANCEL:
        EndDialog(window_, IDCANCEL);
        break;
    default:
        break;
    }
}

void CConvertDialog::OnDestroy() { iob::SetMessagePresenter(previousPresenter_); }

std::string CConvertDialog::FieldText(NameField field) const {
    const HWND control = GetDlgItem(window_, FieldId(field));
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

void CConvertDialog::SetFieldText(NameField field, const std::string& text) {
    SetDlgItemTextW(window_, FieldId(field), Widen(text).c_str());
}

iob::OutputSyntax CConvertDialog::ChosenSyntax() const {
    return IsDlgButtonChecked(window_, kIdSingleLineSyntax) == BST_CHECKED ? iob::OutputSyntax::kSingleLine
                                                                           : iob::OutputSyntax::kCompact;
}

void CConvertDialog::SetChosenSyntax(iob::OutputSyntax syntax) {
    CheckDlgButton(window_, kIdSingleLineSyntax,
                   syntax == iob::OutputSyntax::kSingleLine ? BST_CHECKED : BST_UNCHECKED);
}

std::vector<std::string> CConvertDialog::ChooseFiles(const FileDialogRequest& request) {
    return RunBrowseFileDialog(window_, request);
}

void CConvertDialog::OpenProgress(const std::string& text) { progress_.Open(window_, text); }

void CConvertDialog::SetProgress(int steps) { progress_.SetSteps(steps); }

void CConvertDialog::PumpEvents(int milliseconds) { progress_.PumpMessages(milliseconds); }

void CConvertDialog::CloseProgress() { progress_.Close(); }
