// The positioning rule of the browse dialog.
#include <gtest/gtest.h>

#include "browse_placement.h"

namespace {

const QRect kDesktop(0, 0, 1024, 768);
const QSize kScreen(1024, 768);

}  // namespace

TEST(BrowseDialogPosition, DialogIsCentredOnTheDesktop) {
    EXPECT_EQ(BrowseDialogPosition(kDesktop, QSize(500, 400), kScreen), QPoint(262, 184));
}

TEST(BrowseDialogPosition, DialogIsCentredOverAnOwner) {
    EXPECT_EQ(BrowseDialogPosition(QRect(100, 50, 600, 400), QSize(200, 100), kScreen), QPoint(300, 200));
}

TEST(BrowseDialogPosition, HalfPixelsAreTruncated) {
    EXPECT_EQ(BrowseDialogPosition(kDesktop, QSize(501, 401), kScreen), QPoint(261, 183));
}

TEST(BrowseDialogPosition, DialogAboveTheScreenMovesToTwo) {
    EXPECT_EQ(BrowseDialogPosition(QRect(10, -300, 600, 400), QSize(200, 200), kScreen), QPoint(210, 2));
}

TEST(BrowseDialogPosition, DialogBelowTheScreenMovesUpToTwoAboveTheBottom) {
    EXPECT_EQ(BrowseDialogPosition(QRect(0, 600, 400, 400), QSize(200, 300), kScreen), QPoint(100, 466));
}

TEST(BrowseDialogPosition, DialogTallerThanTheScreenEndsAboveIt) {
    EXPECT_EQ(BrowseDialogPosition(kDesktop, QSize(500, 800), kScreen).y(), 768 - 800 - 2);
}

TEST(BrowseDialogPosition, DialogNoTallerThanTheScreenStaysOnIt) {
    EXPECT_EQ(BrowseDialogPosition(kDesktop, QSize(500, 768), kScreen).y(), 0);
}

TEST(BrowseDialogPosition, DialogWiderThanTheScreenEndsLeftOfIt) {
    EXPECT_EQ(BrowseDialogPosition(kDesktop, QSize(1025, 400), kScreen).x(), 1024 - 1025 - 2);
}

TEST(BrowseDialogSize, IsTwoThirdsOfTheAvailableScreenAndAtLeast720By460) {
    const struct {
        QSize available;
        QSize expected;
    } cases[] = {
        {QSize(1920, 1040), QSize(1280, 693)}, {QSize(2560, 1400), QSize(1706, 933)},
        {QSize(1024, 740), QSize(720, 493)},   {QSize(800, 600), QSize(720, 460)},
        {QSize(640, 480), QSize(720, 460)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BrowseDialogSize(c.available), c.expected) << c.available.width() << " x " << c.available.height();
    }
}
