#include "window_menu.h"

// The command is the window manager's in name and deed; this is the name its
// own window menu gives it.
void AddWindowCommands(QMenu& menu, QWidget& window) {
    QAction* close = menu.addAction(QStringLiteral("&Close"));
    QObject::connect(close, &QAction::triggered, &window, &QWidget::close);
}
