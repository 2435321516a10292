// The main dialog (template 102): the IOB file name and the output file
// name, "Browse..." for each, "&Convert Data" and "Close". It owns the two
// names and the ConversionSettings for the whole run, so a conversion starts
// from whatever datum and unit the previous one left.
#pragma once

#include <QDialog>
#include <QIcon>
#include <string>

#include <iob/convert.h>
#include <iob/show_message.h>

class QLineEdit;

class CConvertDialog : public QDialog {
    Q_OBJECT

public:
    // Opens centred on the screen; messages are shown in boxes it owns
    // while it lives.
    explicit CConvertDialog(QWidget* parent = nullptr);
    ~CConvertDialog() override;

protected:
    // Enter takes the focused push button's command, or with no push button
    // focused (there is no default button) takes the names and ends the
    // dialog; Shift+F10 opens the window menu.
    void keyPressEvent(QKeyEvent* event) override;
    // The right mouse button and the Menu key open the window menu.
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    enum BrowseSelector { kBrowseOutput = 1, kBrowseIob = 2 };

    void OnConvert();
    void OnBrowseIob();
    void OnBrowseOutput();
    void OnOK();
    void OnAbout();
    void BrowseForFile(BrowseSelector selector);
    void ShowWindowMenu(const QPoint& globalPosition);
    void ReadFields();
    void FillFields();

    std::string iobFileName_;
    std::string outputFileName_;
    iob::ConversionSettings settings_;
    QIcon icon_;
    QLineEdit* iobField_ = nullptr;
    QLineEdit* outputField_ = nullptr;
    iob::MessagePresenter previousPresenter_;
};
