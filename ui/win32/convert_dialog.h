// The main dialog (template 102): the IOB file name and the output file
// name, "Browse..." for each, the check box of the single-line syntax,
// "&Convert Data" and "Close", and "About IobToQuorvane..." below a
// separator in its system menu. What its buttons do is the convert flow's;
// this class makes the window and lends the flow its fields, its check box,
// the system's file dialog and the progress window.
#pragma once

#include "windows_api.h"

#include <string>
#include <vector>

#include <iob/show_message.h>

#include "convert_dialog_view.h"
#include "convert_flow.h"
#include "progress_window.h"

class CConvertDialog : private ConvertDialogView {
public:
    // The system command of the About entry.
    static constexpr UINT kAboutCommand = 16;

    // `iobFileName` (the program's argument) goes into the IOB field, with
    // the output name it proposes.
    explicit CConvertDialog(const std::string& iobFileName) : flow_(*this, iobFileName) {}

    // Runs the dialog, centred on the screen, until it ends: IDOK for Enter
    // in a field (the names taken first), IDCANCEL for "Close", Escape and
    // the close box. Messages are shown in boxes it owns while it runs.
    // Throws when the dialog cannot be made: std::bad_alloc for want of
    // memory, else std::system_error with the system's error code.
    INT_PTR Run();

    // Files given as the program's arguments, converted as soon as the
    // dialog is shown, as if dropped on it.
    void ConvertOnceShown(const std::vector<std::string>& iobFileNames) { givenFiles_ = iobFileNames; }

private:
    // Posted by WM_INITDIALOG when files were given: they are converted
    // once the dialog is shown, with its boxes over it.
    static constexpr UINT kConvertGivenFiles = WM_APP + 1;

    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void OnInitDialog();
    void OnCommand(int id);
    // Files dropped from Explorer: one fills the IOB field, several are converted.
    void OnDropFiles(HDROP drop);
    void OnDestroy();

    std::string FieldText(NameField field) const override;
    void SetFieldText(NameField field, const std::string& text) override;
    iob::OutputSyntax ChosenSyntax() const override;
    void SetChosenSyntax(iob::OutputSyntax syntax) override;
    std::vector<std::string> ChooseFiles(const FileDialogRequest& request) override;
    void OpenProgress(const std::string& text) override;
    void SetProgress(int steps) override;
    void PumpEvents(int milliseconds) override;
    void CloseProgress() override;

    HWND window_ = nullptr;
    std::vector<std::string> givenFiles_;
    iob::MessagePresenter previousPresenter_;
    CProgressWindow progress_;
    ConvertFlow flow_;
};
