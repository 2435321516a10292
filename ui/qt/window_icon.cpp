#include "window_icon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include "app_icon.h"

QIcon AppIcon() {
    QSvgRenderer renderer{QByteArray(AppIconSvg())};
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 96, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
