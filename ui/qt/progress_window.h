// The progress window of a long conversion (ProgressDialogTemplate): the
// file's name above a bar. The conversion cannot be stopped, so the window
// has no close box and ignores Escape; the conversion closes it.
#pragma once

#include <QDialog>

class QProgressBar;

class CProgressWindow : public QDialog {
    Q_OBJECT

public:
    // Shows the window at once over `owner`, modal to the whole program;
    // a name too long for the window loses its middle.
    CProgressWindow(const QString& text, QWidget* owner);

    // Fills the bar to `steps` of kProgressRange.
    void SetSteps(int steps);

    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QProgressBar* bar_ = nullptr;
};
