// Dialog units: a template's coordinates, in quarters of the dialog font's
// average character width and eighths of its character height, so that a
// dialog keeps its proportions in any font.
#pragma once

#include <QFontMetricsF>
#include <QRect>

// Pixels per dialog unit.
struct DialogUnits {
    double horizontal;
    double vertical;
};

// The average character width is that of the 52 Latin letters.
DialogUnits BaseUnitsOf(const QFontMetricsF& metrics);

// Positions round to the nearest pixel; sizes round up, so a rectangle never
// ends up smaller than the units it was given.
QRect ToPixels(const DialogUnits& units, int x, int y, int width, int height);
QSize ToPixels(const DialogUnits& units, int width, int height);
