// The application icon as Qt shows it: the window icon of both dialogs and
// the About box's picture.
#pragma once

#include <QIcon>

// The icon rendered from its SVG at every size a window, a task bar or a
// screen at 100 % to 800 % may ask for, so that none is scaled up from a
// smaller picture.
QIcon AppIcon();
