// The file dialog of the two Browse buttons. It is Qt's own widget dialog,
// because a native one places itself; it accepts names of files that do not
// exist yet, never asks before a file is replaced and adds no extension.
// It opens large, and its detail view gives the Size, Type and Date columns
// the width of what they show, the Name column the rest.
#pragma once

#include <QFileDialog>

class CBrowseFileDialog : public QFileDialog {
    Q_OBJECT

public:
    // `filter` is a filter text of the string table; `owner` (may be null)
    // is the window the dialog opens centred over, else the desktop.
    CBrowseFileDialog(const char* filter, QWidget* owner);
    ~CBrowseFileDialog() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* owner_;
};
