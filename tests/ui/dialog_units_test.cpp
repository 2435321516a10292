// Dialog units in pixels.
#include <QApplication>
#include <QLabel>
#include <gtest/gtest.h>

#include "dialog_units.h"

namespace {

// Dialog units are quarters of the average letter width and eighths of the
// line height, so a label 4 units wide per letter and 8 units high holds a
// text of average letters unclipped, with less than a letter to spare: in
// the default font and in a much larger one.
TEST(BaseUnitsOf, ALabelOfFourUnitsPerLetterShowsItsLettersUnclipped) {
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int letterCount = static_cast<int>(letters.size());
    for (double scale : {1.0, 2.5}) {
        QFont font = QApplication::font();
        font.setPointSizeF(font.pointSizeF() * scale);
        QLabel label(letters);
        label.setFont(font);
        label.setGeometry(ToPixels(BaseUnitsOf(QFontMetricsF(font)), 0, 0, 4 * letterCount, 8));
        label.show();
        const QFontMetrics metrics = label.fontMetrics();
        const QRect room = label.contentsRect();
        EXPECT_LE(metrics.horizontalAdvance(letters), room.width()) << scale;
        EXPECT_LT(room.width(), metrics.horizontalAdvance(letters) + metrics.averageCharWidth()) << scale;
        EXPECT_LE(metrics.height(), room.height()) << scale;
        EXPECT_LT(room.height(), metrics.height() + 2) << scale;
    }
}

}  // namespace

TEST(ToPixels, WholeProductsStayWhole) {
    EXPECT_EQ(ToPixels(DialogUnits{1.5, 1.625}, 7, 8, 386, 8), QRect(11, 13, 579, 13));
}

TEST(ToPixels, PositionsRoundToNearestAndSizesRoundUp) {
    EXPECT_EQ(ToPixels(DialogUnits{1.85, 1.75}, 7, 7, 40, 14), QRect(13, 12, 74, 25));
}
