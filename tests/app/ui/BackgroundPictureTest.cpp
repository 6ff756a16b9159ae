#include <gtest/gtest.h>

#include "app/ui/BackgroundPicture.h"
#include "app/ui/SharpPictures.h"
#include "support/TempFolder.h"

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

// A picture drawn at twice the size fills the same logical area with twice the pixels.
TEST(BackgroundPicture, ADoubleSizePictureTilesAtTheScreensPixels) {
    QImage picture = NumberedPicture();
    picture.setDevicePixelRatio(2.0);
    const QImage tiled = TileBackground(picture, QSize(10, 6));
    ASSERT_EQ(tiled.size(), QSize(20, 12));
    EXPECT_EQ(tiled.devicePixelRatio(), 2.0);
    EXPECT_EQ(tiled.pixel(7, 2), qRgb(160, 80, 0));
}

TEST(SharpPictures, AScalingScreenGetsTheDoubleSizeDrawingWhereThereIsOne) {
    EXPECT_EQ(DoubleSizeFile("/p/PIC/BK_1.jpg"), std::filesystem::path("/p/PIC/BK_1@2x.jpg"));
    TempFolder folder;
    const std::filesystem::path plain = folder.Root() / "Tree1.png";
    ASSERT_TRUE(QImage(16, 16, QImage::Format_RGB32).save(QString::fromStdString(plain.string())));
    ASSERT_TRUE(
        QImage(32, 32, QImage::Format_RGB32).save(QString::fromStdString(DoubleSizeFile(plain).string())));
    const std::filesystem::path alone = folder.Root() / "Tree2.png";
    ASSERT_TRUE(QImage(16, 16, QImage::Format_RGB32).save(QString::fromStdString(alone.string())));

    struct Case {
        std::filesystem::path File;
        qreal Ratio;
        int Width;
        qreal PictureRatio;
    };
    for (const Case& c : {Case{plain, 1.0, 16, 1.0}, Case{plain, 2.0, 32, 2.0}, Case{plain, 1.5, 32, 2.0},
                          Case{alone, 2.0, 16, 1.0}}) {
        const QImage picture = LoadSharpPicture(c.File, c.Ratio);
        EXPECT_EQ(picture.width(), c.Width) << c.File << " at " << c.Ratio;
        EXPECT_EQ(picture.devicePixelRatio(), c.PictureRatio) << c.File << " at " << c.Ratio;
    }
    EXPECT_TRUE(LoadSharpPicture(folder.Root() / "none.png", 2.0).isNull());
}

}  // namespace

}  // namespace mox::test
