#include "browse_file_dialog.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QTreeView>

#include "browse_placement.h"
#include "file_filter.h"

namespace {

// Qt sizes the Size, Type and Date columns once, for sample texts, which cuts
// off longer sizes, type names and dates; fitted, they take the width of what
// they show and Name the rest. The widget dialog keeps its column layout for
// every Qt program of the user, so before it goes it gets back Qt's own
// interactive columns, at their present widths.
void FitColumns(QFileDialog& dialog, bool fitted) {
    auto* details = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    if (details == nullptr) return;
    QHeaderView* header = details->header();
    for (int column = 0; column < header->count(); ++column) {
        const QHeaderView::ResizeMode fit = column == 0 ? QHeaderView::Stretch : QHeaderView::ResizeToContents;
        header->setSectionResizeMode(column, fitted ? fit : QHeaderView::Interactive);
    }
}

}  // namespace

CBrowseFileDialog::CBrowseFileDialog(const char* filter, QWidget* owner) : QFileDialog(owner), owner_(owner) {
    setOption(QFileDialog::DontUseNativeDialog);
    // An open dialog in name, but any name serves: the output file is usually new.
    setAcceptMode(QFileDialog::AcceptOpen);
    setFileMode(QFileDialog::AnyFile);
    setOption(QFileDialog::HideNameFilterDetails);
    setNameFilters(NameFiltersOf(filter));
    FitColumns(*this, true);
    resize(BrowseDialogSize(QGuiApplication::primaryScreen()->availableSize()));
}

CBrowseFileDialog::~CBrowseFileDialog() { FitColumns(*this, false); }

// The show event comes before the window is mapped, with its size settled.
void CBrowseFileDialog::showEvent(QShowEvent* event) {
    QFileDialog::showEvent(event);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect reference = owner_ != nullptr ? owner_->frameGeometry() : screen->virtualGeometry();
    move(BrowseDialogPosition(reference, frameGeometry().size(), screen->size()));
}
