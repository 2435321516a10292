// The stand-in for the window manager's window menu, which no X11 or
// Wayland program can extend: a context menu that starts with the window
// commands of the dialogs' frame, which Qt can carry out itself.
#pragma once

#include <QMenu>

// Adds "Close" for `window` to `menu`. The frame has no minimise or
// maximise box, so, as in the window manager's own menu for such a window,
// there is no Minimize or Maximize.
void AddWindowCommands(QMenu& menu, QWidget& window);
