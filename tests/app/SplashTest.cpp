#include "app/FrmFlashForm.h"
#include "app/JpegPicture.h"
#include "app/ProductInfo.h"
#include "app/ShellTestSupport.h"
#include "support/Controls.h"
#include "support/Timing.h"
#include "testsupport/TestFolders.h"
#include "testsupport/WindowGuards.h"

#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QLibrary>
#include <QTest>
#include <QWindow>

#include <functional>

#include <gtest/gtest.h>

namespace {

// The test's own resource library, reading the texts and the picture the
// test writes into a folder.
class FakeTessoTest : public ::testing::Test {
protected:
    void SetUp() override { qputenv("FAKE_TESSO_DATA", Data.Path().toLocal8Bit()); }
    void TearDown() override { qunsetenv("FAKE_TESSO_DATA"); }

    void SetString(unsigned id, const QByteArray& text) {
        Data.WriteFile(QString::number(id) + ".txt", text);
    }

    void UsePicture(QSize size) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(QColor(30, 90, 160));
        ASSERT_TRUE(image.save(Data.Path() + "ImgFlash.jpg", "JPG"));
    }

    TTestFolder Data;
    TAppFolderGuard Folder{FAKE_TESSO_DIR};
    TQuickSplash Quick;
    TControlsGuard ControlsGuard;
};

} // namespace

TEST_F(FakeTessoTest, SplashTakesThePictureSizeAndEndsAfterTheSecondTick) {
    for (const QSize size : {QSize(123, 77), QSize(640, 333)}) {
        UsePicture(size);
        QSize shown;
        QElapsedTimer clock;
        WhenReady([] { return VisibleSplash() != nullptr; },
                  [&] { shown = VisibleSplash()->size(); });
        clock.start();
        ShowSplash();
        EXPECT_EQ(shown, size);
        // Two ticks of 20 ms at least; never closed before them.
        EXPECT_GE(clock.elapsed(), 40);
    }
}

// Neither Esc nor the window manager's close request ends the splash before
// its timers: the product texts are read whatever the person does.
TEST_F(FakeTessoTest, SplashEndsOnlyByItsTimers) {
    QLabel title;
    Controls.Main.lblTitle = &title;
    SetString(1, "Product");
    SetString(3, "Title");
    UsePicture(QSize(100, 60));
    Timing().SplashFirstMs = 200; // the texts are read well after the person acts
    const struct {
        const char* Way;
        std::function<void(QWidget*)> End;
    } cases[] = {
        {"Esc", [](QWidget* splash) { QTest::keyClick(splash, Qt::Key_Escape); }},
        {"close request", [](QWidget* splash) { splash->windowHandle()->close(); }},
    };
    for (const auto& c : cases) {
        title.clear();
        bool stillShown = false;
        WhenReady([] { return VisibleSplash() != nullptr; },
                  [&] {
                      c.End(VisibleSplash());
                      stillShown = VisibleSplash() != nullptr;
                  });
        ShowSplash();
        EXPECT_TRUE(stillShown) << c.Way;
        EXPECT_EQ(title.text(), "Product Title") << c.Way;
    }
}

TEST_F(FakeTessoTest, ProductInformationFillsTheSlotsAndTheTitle) {
    QLabel title;
    Controls.Main.lblTitle = &title;
    const char* texts[] = {"Maker",       "Product", "Text two",   "",
                           "http://home", "me@mail", "never read", "Text seven"};
    for (unsigned id = 0; id < 8; ++id)
        SetString(id, texts[id]);
    SetString(8, "not a slot of the library");

    LoadProductInfo();

    // An empty title text leaves the product name and one space.
    EXPECT_EQ(title.text(), "Product ");
    EXPECT_EQ(SoftInfo.Text[siMaker], "Maker");
    EXPECT_EQ(SoftInfo.Text[siProductText], "Text two");
    EXPECT_EQ(SoftInfo.Text[siHomePage], "http://home");
    EXPECT_EQ(SoftInfo.Text[siEMail], "me@mail");
    EXPECT_EQ(SoftInfo.Text[siReserved], "");
    EXPECT_EQ(SoftInfo.Text[siProductText2], "Text seven");
    EXPECT_EQ(SoftInfo.Text[siAppFolder], FAKE_TESSO_DIR);
    EXPECT_EQ(SoftInfo.Value, 0);

    // A text longer than the buffer keeps its first 253 characters.
    const std::string longText(400, 'x');
    SetString(1, QByteArray::fromStdString(longText));
    SetString(3, "Title");
    LoadProductInfo();
    EXPECT_EQ(SoftInfo.Text[siProduct], QString(253, 'x'));
    EXPECT_EQ(title.text(), QString(253, 'x') + " Title");
}

TEST(JpegPicture, DecodesPicturesAndRejectsBrokenData) {
    QImage image(31, 17, QImage::Format_RGB32);
    image.fill(QColor(200, 40, 40));
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(image.save(&buffer, "JPG", 95));

    const QImage decoded = DecodeJpeg(jpeg);
    ASSERT_EQ(decoded.size(), QSize(31, 17));
    const QColor centre = decoded.pixelColor(15, 8);
    EXPECT_NEAR(centre.red(), 200, 8);
    EXPECT_NEAR(centre.green(), 40, 8);

    EXPECT_TRUE(DecodeJpeg({}).isNull());
    EXPECT_TRUE(DecodeJpeg("not a picture at all").isNull());
    EXPECT_TRUE(DecodeJpeg(jpeg.left(jpeg.size() / 3)).isNull() ||
                DecodeJpeg(jpeg.left(jpeg.size() / 3)).size() == QSize(31, 17));
}
