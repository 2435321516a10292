#include "window_menu.h"

// The window commands are the window manager's in name and deed; these are
// the names its own window menu gives them.
void AddWindowCommands(QMenu& menu, QWidget& window) {
    QAction* minimize = menu.addAction(QStringLiteral("Mi&nimize"));
    QObject::connect(minimize, &QAction::triggered, &window, &QWidget::showMinimized);
    QAction* close = menu.addAction(QStringLiteral("&Close"));
    QObject::connect(close, &QAction::triggered, &window, &QWidget::close);
}
