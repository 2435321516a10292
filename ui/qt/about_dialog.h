// The About box (template 100): the application icon, the program's name
// and version, what it does and its licence, and "OK". "OK", Enter, Escape
// and the close box end it.
#pragma once

#include <QDialog>
#include <QIcon>

class CAboutDialog : public QDialog {
    Q_OBJECT

public:
    // Opens centred over `parent`.
    CAboutDialog(const QIcon& icon, QWidget* parent);
};
