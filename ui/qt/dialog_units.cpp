#include "dialog_units.h"

#include "unit_growth.h"

DialogUnits BaseUnitsOf(const QFontMetricsF& metrics) {
    const double averageWidth =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) / 52.0;
    return DialogUnits{averageWidth / 4.0, metrics.height() / 8.0};
}

QSize ToPixels(const DialogUnits& units, int width, int height) {
    return QSize(SizePixels(width * units.horizontal), SizePixels(height * units.vertical));
}

QRect ToPixels(const DialogUnits& units, int x, int y, int width, int height) {
    return QRect(QPoint(PositionPixels(x * units.horizontal), PositionPixels(y * units.vertical)),
                 ToPixels(units, width, height));
}
