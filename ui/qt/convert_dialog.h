// The main dialog (template 102): the IOB file name and the output file
// name, "Browse..." for each, the check box of the single-line syntax,
// "&Convert Data" and "Close". What its buttons do is the convert flow's;
// this class draws the dialog and lends the flow its fields, its check box,
// Qt's file dialog and the progress window.
#pragma once

#include <QDialog>
#include <QIcon>
#include <memory>
#include <string>
#include <vector>

#include <iob/show_message.h>

#include "convert_dialog_view.h"
#include "convert_flow.h"

class QCheckBox;
class QLineEdit;
class CProgressWindow;

class CConvertDialog : public QDialog, private ConvertDialogView {
    Q_OBJECT

public:
    // Opens centred on the screen, with `iobFileName` (the program's
    // argument) in the IOB field and the output name it proposes; messages
    // are shown in boxes it owns while it lives.
    explicit CConvertDialog(const std::string& iobFileName = std::string(), QWidget* parent = nullptr);
    ~CConvertDialog() override;

    // Ends the dialog, unless a conversion is running.
    void done(int result) override;

    // Converts the IOB files, each into its proposed output, once the dialog
    // is on screen.
    void ConvertOnceShown(const std::vector<std::string>& iobFileNames);

protected:
    // Enter takes the focused push button's command, or with no push button
    // focused (there is no default button) takes the names and ends the
    // dialog; Shift+F10 opens the window menu.
    void keyPressEvent(QKeyEvent* event) override;
    // The right mouse button and the Menu key open the window menu.
    void contextMenuEvent(QContextMenuEvent* event) override;
    // Files dropped on the dialog: one fills the IOB field, several are converted.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void OnConvert();
    void OnOK();
    void OnAbout();
    void ShowWindowMenu(const QPoint& globalPosition);

    std::string FieldText(NameField field) const override;
    void SetFieldText(NameField field, const std::string& text) override;
    iob::OutputSyntax ChosenSyntax() const override;
    void SetChosenSyntax(iob::OutputSyntax syntax) override;
    std::vector<std::string> ChooseFiles(const FileDialogRequest& request) override;
    void OpenProgress(const std::string& text) override;
    void SetProgress(int steps) override;
    void PumpEvents(int milliseconds) override;
    void CloseProgress() override;

    QIcon icon_;
    QLineEdit* iobField_ = nullptr;
    QLineEdit* outputField_ = nullptr;
    QCheckBox* syntaxBox_ = nullptr;
    iob::MessagePresenter previousPresenter_;
    std::unique_ptr<CProgressWindow> progress_;
    ConvertFlow flow_;
};
