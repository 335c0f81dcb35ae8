#include "support/WindowShape.h"

#include "app/FrmFlashForm.h"
#include "app/FrmMainForm.h"
#include "app/ShellTestSupport.h"
#include "convert/FrmConverting.h"
#include "profiles/FrmOption.h"
#include "support/EventPump.h"
#include "testsupport/ScriptedDialogs.h"
#include "testsupport/TestFolders.h"

#include <QApplication>
#include <QImage>
#include <QLabel>

#include <gtest/gtest.h>

#include <functional>

namespace {

// A picture of the body colour whose listed pixels carry the transparent
// colour; the transparent colour is the bottom-left pixel's.
QImage Picture(int w, int h, QColor transparent, const QList<QPoint>& cut,
               QImage::Format format = QImage::Format_RGB32) {
    QImage image(w, h, format);
    image.fill(QColor(20, 40, 80));
    for (const QPoint& p : cut)
        image.setPixelColor(p, transparent);
    return image;
}

// The artwork drawn for the screens' scale, read straight from its file.
QImage Art(const QString& name) {
    const bool dense = qApp->devicePixelRatio() > 1;
    return QImage(":/art/" + name + (dense ? "@2x.png" : ".png"));
}

// The window as a compositor gets it: drawn into a picture with
// transparency at the screens' scale, its mask left out, since a Wayland
// compositor does not cut a window to its mask.
QImage Shown(QWidget* window) {
    const qreal ratio = qApp->devicePixelRatio();
    QImage image(window->size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    window->render(&image, {}, {},
                   QWidget::DrawWindowBackground | QWidget::DrawChildren | QWidget::IgnoreMask);
    return image;
}

// Checks a window against the picture it is cut from, which lies at its
// top-left corner: nothing shows outside the outline, everything inside is
// opaque, no pixel carries the magenta key, and each corner of the picture
// is see-through exactly where the picture is.
void ExpectCutToPicture(QWidget* window, const QImage& picture) {
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.devicePixelRatio(), qApp->devicePixelRatio()) << "artwork for this scale";
    const QRegion outline = window->mask().isEmpty() ? QRegion(window->rect()) : window->mask();
    const QImage shown = Shown(window);
    const int n = qRound(shown.devicePixelRatio());
    int outside = 0, holes = 0, keys = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            const QRgb pixel = shown.pixel(x, y);
            if (!outline.contains(QPoint(x / n, y / n)))
                outside += qAlpha(pixel) != 0;
            else
                holes += qAlpha(pixel) != 255;
            keys += qAlpha(pixel) != 0 && qRed(pixel) == 255 && qGreen(pixel) == 0 &&
                    qBlue(pixel) == 255;
        }
    EXPECT_EQ(outside, 0) << "pixels drawn outside the outline";
    EXPECT_EQ(holes, 0) << "see-through pixels inside the outline";
    EXPECT_EQ(keys, 0) << "pixels of the key colour";

    // A window pixel shows when the picture is opaque under all of it.
    const QSize size = picture.deviceIndependentSize().toSize();
    const auto alphas = [&](const QImage& image, int x, int y) {
        QList<int> all;
        for (int dy = 0; dy < n; ++dy)
            for (int dx = 0; dx < n; ++dx)
                all << qAlpha(image.pixel(x * n + dx, y * n + dy));
        return all;
    };
    constexpr int Corner = 16;
    QStringList unlike;
    for (const QPoint corner :
         {QPoint(0, 0), QPoint(size.width() - Corner, 0), QPoint(0, size.height() - Corner),
          QPoint(size.width() - Corner, size.height() - Corner)})
        for (int y = corner.y(); y < corner.y() + Corner; ++y)
            for (int x = corner.x(); x < corner.x() + Corner; ++x) {
                const bool opaque = !alphas(picture, x, y).contains(0);
                if (alphas(shown, x, y) != QList<int>(n * n, opaque ? 255 : 0))
                    unlike << QString("%1,%2").arg(x).arg(y);
            }
    EXPECT_TRUE(unlike.isEmpty()) << "corner pixels unlike the picture: "
                                  << unlike.mid(0, 12).join(' ').toStdString();
}

} // namespace

// The outline is the runs of pixels unlike the bottom-left one, in window
// pixels; a run reaching the right edge ends there.
TEST(WindowShape, RegionIsTheRunsOfNonTransparentPixels) {
    const QColor magenta(255, 0, 255);
    // 6 x 4 with its four corners cut and a hole in row 2.
    const QImage holed = Picture(6, 4, magenta, {{0, 0}, {5, 0}, {0, 3}, {5, 3}, {2, 2}, {3, 2}});
    // Green marks the bottom-left pixel; the magenta pixel is part of the body.
    QImage green = Picture(4, 2, Qt::green, {{0, 1}, {3, 0}});
    green.setPixelColor(1, 0, magenta);
    // 8 x 4 pixels at twice the density: a window of 4 x 2. The bottom-left
    // window pixel is see-through, and so is one picture pixel of the
    // top-right one; opaque black belongs to the body.
    QImage dense = Picture(8, 4, Qt::transparent, {{0, 2}, {1, 2}, {0, 3}, {1, 3}, {7, 0}},
                           QImage::Format_ARGB32);
    dense.setPixelColor(2, 0, Qt::black);
    dense.setDevicePixelRatio(2);
    const QRegion stair = QRegion(0, 0, 3, 1) + QRegion(1, 1, 3, 1);
    const std::pair<QImage, QRegion> cases[] = {
        {holed, QRegion(1, 0, 4, 1) + QRegion(0, 1, 6, 1) + QRegion(0, 2, 2, 1) +
                    QRegion(4, 2, 2, 1) + QRegion(1, 3, 4, 1)},
        {green, stair},
        {dense, stair},
        {QImage(), QRegion()},
    };
    for (const auto& [picture, expected] : cases)
        EXPECT_EQ(RegionFromPicture(picture), expected)
            << picture.width() << "x" << picture.height();
}

TEST(WindowShape, MainShapeIsARoundedRectangle) {
    const QImage shape(":/art/shape.png");
    ASSERT_EQ(shape.size(), QSize(700, 506));
    EXPECT_EQ(shape.pixelColor(0, 505).alpha(), 0);
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

TEST(WindowShape, ShapedWindowsAreSeeThroughOutsideTheirPictures) {
    const QList<std::pair<const char*, std::function<void()>>> windows = {
        {"main window",
         [] {
             TAppFolderGuard folder(FAKE_TESSO_DIR);
             TQuickSplash quick;
             TScriptedDialogs dialogs;
             TfrmOption option;
             TFrmMainForm form;
             form.show();
             ProcessMessages();
             ExpectCutToPicture(&form, Art("shape"));
         }},
        {"progress window",
         [] {
             TfrmConverting form;
             ExpectCutToPicture(&form, Art("converting_shape"));
         }},
        {"splash",
         [] {
             TAppFolderGuard folder(BuildAppFolder());
             TQuickSplash quick;
             bool checked = false;
             WhenReady([] { return VisibleSplash() != nullptr; },
                       [&] {
                           auto* splash = static_cast<TFrmFlashForm*>(VisibleSplash());
                           ExpectCutToPicture(splash, splash->ImgFlash->pixmap().toImage());
                           checked = true;
                       });
             ShowSplash();
             EXPECT_TRUE(checked);
         }},
    };
    for (const auto& [name, check] : windows) {
        SCOPED_TRACE(name);
        check();
    }
}
