#include "progress_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>

#include "dialog_builder.h"

CProgressWindow::CProgressWindow(const QString& text, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    const auto controls = BuildDialog(*this, ProgressDialogTemplate(), QPixmap());
    auto* label = static_cast<QLabel*>(controls.at(kIdProgressText));
    label->setText(label->fontMetrics().elidedText(text, Qt::ElideMiddle, label->width()));
    bar_ = static_cast<QProgressBar*>(controls.at(kIdProgressBar));
    setWindowModality(Qt::ApplicationModal);
    show();
}

void CProgressWindow::SetSteps(int steps) { bar_->setValue(steps); }

void CProgressWindow::reject() {}

void CProgressWindow::closeEvent(QCloseEvent* event) { event->ignore(); }
