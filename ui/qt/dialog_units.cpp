#include "dialog_units.h"

#include <cmath>

DialogUnits BaseUnitsOf(const QFontMetricsF& metrics) {
    const double averageWidth =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) / 52.0;
    return DialogUnits{averageWidth / 4.0, metrics.height() / 8.0};
}

namespace {

// Rounds up, but not for the last bits of a product that is whole in decimal.
int RoundUp(double pixels) { return static_cast<int>(std::ceil(pixels - 1e-9)); }

}  // namespace

QSize ToPixels(const DialogUnits& units, int width, int height) {
    return QSize(RoundUp(width * units.horizontal), RoundUp(height * units.vertical));
}

QRect ToPixels(const DialogUnits& units, int x, int y, int width, int height) {
    return QRect(
        QPoint(static_cast<int>(std::lround(x * units.horizontal)), static_cast<int>(std::lround(y * units.vertical))),
        ToPixels(units, width, height));
}
