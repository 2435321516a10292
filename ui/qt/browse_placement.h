// Where and how large a browse dialog opens: centred over a reference
// rectangle (its owner's window, or the whole desktop), then pushed back onto
// the primary screen from the top and left and from the bottom and right, in
// that order. A dialog larger than the screen keeps a negative coordinate.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// 500 x 400 over a 1024 x 768 desktop -> (262, 184).
QPoint BrowseDialogPosition(const QRect& reference, const QSize& dialog, const QSize& screen);

// Large enough that the detail view shows its Name, Size, Type and Date
// columns whole: two thirds of the screen's available width and height, at
// least 720 x 460. 1920 x 1040 available -> 1280 x 693.
QSize BrowseDialogSize(const QSize& available);
