// Dialog units in pixels.
#include <QApplication>
#include <gtest/gtest.h>

#include "dialog_units.h"

TEST(BaseUnitsOf, AreAQuarterOfTheAverageLetterWidthAndAnEighthOfTheHeight) {
    const QFontMetricsF metrics(QApplication::font());
    const DialogUnits units = BaseUnitsOf(metrics);
    const QString letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    EXPECT_DOUBLE_EQ(units.horizontal, metrics.horizontalAdvance(letters) / 52 / 4);
    EXPECT_DOUBLE_EQ(units.vertical, metrics.height() / 8);
}

TEST(ToPixels, WholeProductsStayWhole) {
    EXPECT_EQ(ToPixels(DialogUnits{1.5, 1.625}, 7, 8, 386, 8), QRect(11, 13, 579, 13));
}

TEST(ToPixels, PositionsRoundToNearestAndSizesRoundUp) {
    EXPECT_EQ(ToPixels(DialogUnits{1.85, 1.75}, 7, 7, 40, 14), QRect(13, 12, 74, 25));
}
