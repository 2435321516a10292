// The stand-in for the window manager's window menu, which no X11 or
// Wayland program can extend: a context menu that starts with the window
// commands Qt can carry out itself.
#pragma once

#include <QMenu>

// Adds "Minimize" and "Close" for `window` to `menu`.
void AddWindowCommands(QMenu& menu, QWidget& window);
