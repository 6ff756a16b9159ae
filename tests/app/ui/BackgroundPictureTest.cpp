#include <gtest/gtest.h>

#include "app/ui/BackgroundPicture.h"

namespace mox::test {

namespace {

// A 6 by 5 picture whose every pixel has its own colour: red = x, green = y.
QImage NumberedPicture() {
    QImage picture(6, 5, QImage::Format_RGB32);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 6; ++x)
            picture.setPixel(x, y, qRgb(x * 40, y * 40, 0));
    }
    return picture;
}

TEST(BackgroundPicture, RepeatsThePictureWithAStepOfItsSizeLessTwoPixels) {
    const QImage tiled = TileBackground(NumberedPicture(), QSize(20, 12));
    ASSERT_EQ(tiled.size(), QSize(20, 12));
    // Across, each tile starts with the picture's second column: step 4.
    EXPECT_EQ(tiled.pixel(0, 0), qRgb(40, 0, 0));
    EXPECT_EQ(tiled.pixel(4, 0), qRgb(40, 0, 0));
    EXPECT_EQ(tiled.pixel(7, 2), qRgb(160, 80, 0));
    // Down, every band after the first starts with the picture's second row: step 3.
    EXPECT_EQ(tiled.pixel(0, 3), qRgb(40, 40, 0));
    EXPECT_EQ(tiled.pixel(5, 7), qRgb(80, 80, 0));
}

TEST(BackgroundPicture, APictureOfTwoPixelsOrLessGivesThePlainBackground) {
    EXPECT_TRUE(TileBackground(QImage(2, 40, QImage::Format_RGB32), QSize(100, 100)).isNull());
    EXPECT_TRUE(TileBackground(QImage(), QSize(100, 100)).isNull());
    EXPECT_TRUE(LoadBackgroundPicture("/nonexistent", 1).isNull());
}

}  // namespace

}  // namespace mox::test
