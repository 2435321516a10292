#include "browse_placement.h"

#include <algorithm>

QPoint BrowseDialogPosition(const QRect& reference, const QSize& dialog, const QSize& screen) {
    // Integer division truncates towards zero, also for a dialog larger than the reference.
    int x = reference.left() + (reference.width() - dialog.width()) / 2;
    int y = reference.top() + (reference.height() - dialog.height()) / 2;
    if (y < 0) y = 2;
    if (x < 0) x = 2;
    if (y + dialog.height() > screen.height()) y = screen.height() - dialog.height() - 2;
    if (x + dialog.width() > screen.width()) x = screen.width() - dialog.width() - 2;
    return QPoint(x, y);
}

QSize BrowseDialogSize(const QSize& available) {
    return QSize(std::max(720, available.width() * 2 / 3), std::max(460, available.height() * 2 / 3));
}
