#include "support/WindowShape.h"

#include "convert/FrmConverting.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

// A picture of the body colour whose listed pixels carry the transparent
// colour; the transparent colour is the bottom-left pixel's.
QImage Picture(int w, int h, QColor transparent, const QList<QPoint>& cut) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(QColor(20, 40, 80));
    for (const QPoint& p : cut)
        image.setPixelColor(p, transparent);
    return image;
}

} // namespace

TEST(WindowShape, RegionIsTheRunsOfNonTransparentPixels) {
    const QColor magenta(255, 0, 255);
    // 6 x 4 with its four corners cut and a hole in row 2.
    const QImage picture = Picture(6, 4, magenta, {{0, 0}, {5, 0}, {0, 3}, {5, 3}, {2, 2}, {3, 2}});
    const QRegion region = RegionFromPicture(picture);

    QRegion expected;
    expected += QRect(1, 0, 4, 1);
    expected += QRect(0, 1, 6, 1); // a run reaching the right edge ends there
    expected += QRect(0, 2, 2, 1);
    expected += QRect(4, 2, 2, 1);
    expected += QRect(1, 3, 4, 1);
    EXPECT_EQ(region, expected);
    EXPECT_FALSE(region.contains(QPoint(0, 0)));
    EXPECT_FALSE(region.contains(QPoint(2, 2)));
}

TEST(WindowShape, TransparentColourIsTheBottomLeftPixel) {
    // Green marks the bottom-left pixel; the magenta pixel is part of the body.
    QImage picture = Picture(4, 2, Qt::green, {{0, 1}, {3, 0}});
    picture.setPixelColor(1, 0, QColor(255, 0, 255));
    QRegion expected;
    expected += QRect(0, 0, 3, 1);
    expected += QRect(1, 1, 3, 1);
    EXPECT_EQ(RegionFromPicture(picture), expected);
    EXPECT_TRUE(RegionFromPicture(QImage()).isEmpty());
}

TEST(WindowShape, MainShapeIsARoundedRectangle) {
    const QImage shape(":/art/shape.png");
    ASSERT_EQ(shape.size(), QSize(700, 506));
    EXPECT_EQ(shape.pixelColor(0, 505), QColor(255, 0, 255));
    const QRegion region = RegionFromPicture(shape);
    EXPECT_EQ(region.boundingRect(), QRect(0, 0, 700, 506));
    for (const QPoint corner : {QPoint(0, 0), QPoint(699, 0), QPoint(0, 505), QPoint(699, 505)})
        EXPECT_FALSE(region.contains(corner));
    for (const QPoint inside : {QPoint(10, 10), QPoint(350, 0), QPoint(0, 250), QPoint(689, 495)})
        EXPECT_TRUE(region.contains(inside));
}

TEST(WindowShape, ProgressWindowIsCutToItsPictureAndKeepsItsStatusBar) {
    TfrmConverting form;
    const QRegion mask = form.mask();
    ASSERT_FALSE(mask.isEmpty());
    for (const QPoint corner : {QPoint(0, 0), QPoint(434, 0), QPoint(0, 204), QPoint(434, 204)})
        EXPECT_FALSE(mask.contains(corner)) << corner.x() << "," << corner.y();
    for (const QPoint inside : {QPoint(217, 100), QPoint(217, 0), QPoint(0, 210), QPoint(434, 221)})
        EXPECT_TRUE(mask.contains(inside)) << inside.x() << "," << inside.y();
}
