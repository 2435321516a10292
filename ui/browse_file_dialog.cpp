#include "browse_file_dialog.h"

#include <QGuiApplication>
#include <QScreen>

#include "browse_placement.h"
#include "file_filter.h"

CBrowseFileDialog::CBrowseFileDialog(const char* filter, QWidget* owner) : QFileDialog(owner), owner_(owner) {
    setOption(QFileDialog::DontUseNativeDialog);
    // An open dialog in name, but any name serves: the output file is usually new.
    setAcceptMode(QFileDialog::AcceptOpen);
    setFileMode(QFileDialog::AnyFile);
    setOption(QFileDialog::HideNameFilterDetails);
    setNameFilters(NameFiltersOf(filter));
}

// The show event comes before the window is mapped, with its size settled.
void CBrowseFileDialog::showEvent(QShowEvent* event) {
    QFileDialog::showEvent(event);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect reference = owner_ != nullptr ? owner_->frameGeometry() : screen->virtualGeometry();
    move(BrowseDialogPosition(reference, frameGeometry().size(), screen->size()));
}
