#include "PreviewFixture.h"

#include "media/MediaSamples.h"
#include "support/EventPump.h"
#include "support/Globals.h"
#include "support/Timing.h"
#include "testsupport/StandInScreenSaver.h"

#include <QFile>
#include <QTest>

#include <cmath>

namespace {

// The first picture of a clip after the given filters, at its own size, as
// the ffmpeg program makes it.
QImage ReferencePicture(const QString& clip, const QString& filters, const QString& png) {
    RunProgram("ffmpeg", {"-nostdin", "-loglevel", "error", "-y", "-i", clip, "-vf", filters,
                          "-frames:v", "1", png});
    return QImage(png).convertToFormat(QImage::Format_RGB32);
}

// The mean difference per colour of the window's picture from the given
// picture shown in it letterboxed, a few pixels off the edges; 0 to 255.
double Difference(const QImage& shown, const QImage& picture) {
    const QSize size = picture.size().scaled(shown.size(), Qt::KeepAspectRatio);
    const QRect area =
        QRect(QPoint((shown.width() - size.width()) / 2, (shown.height() - size.height()) / 2),
              size)
            .adjusted(3, 3, -3, -3);
    const QImage scaled = picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    double sum = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor a = shown.pixelColor(x, y);
            const QColor b = scaled.pixelColor(x - area.left() + 3, y - area.top() + 3);
            sum += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                   std::abs(a.blue() - b.blue());
        }
    return sum / (3.0 * area.width() * area.height());
}

class PreviewPlayback : public PreviewTest {
protected:
    static void SetUpTestSuite() { BusStarted = TStandInScreenSaver::StartBus(); }
    static void TearDownTestSuite() { TStandInScreenSaver::StopBus(); }
    void SetUp() override {
        PreviewTest::SetUp();
        ASSERT_TRUE(BusStarted) << "dbus-daemon could not be started";
        ASSERT_TRUE(ScreenSaver.Offer(TScreenSaverInhibitor::Service));
    }
    void TearDown() override {
        PreviewTest::TearDown();
        ScreenSaver.Withdraw();
    }
    QString Clip(const QString& name, double seconds) {
        const QString path = Folder.Path() + name;
        EXPECT_TRUE(MakeMedia(path, seconds, {"-c:v", "mpeg4", "-c:a", "aac"}));
        return path;
    }
    TPreviewGraph& Graph() { return Area->FilterGraph; }
    TPreviewPlayback& Playback() { return Area->Playback; }
    double PositionSeconds() { return Graph().CurrentPosition() / 1e7; }
    // The video window as the screen shows it.
    QImage Shown() { return Video->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    bool PictureShown() {
        const QImage shown = Shown();
        return (shown.pixel(shown.rect().center()) & 0xffffff) != 0;
    }
    // Whether the position display follows the player: a mark put in the
    // time display is written over within a few tracker ticks.
    bool PositionFollowed() {
        CurTime->setText("--");
        return WaitFor([&] { return CurTime->text() != "--"; }, 5 * Timing().TrackerMs);
    }
    bool ScreenSaverHeldOff(bool held) {
        return WaitFor([&] { return ScreenSaver.HeldOff() == held; });
    }

    static bool BusStarted;
    TStandInScreenSaver ScreenSaver;
};

bool PreviewPlayback::BusStarted = false;

TEST_F(PreviewPlayback, StateTableAndTransitions) {
    const QString clip = Clip("clip.mp4", 3);
    // Empty
    EXPECT_TRUE(Logo->isVisibleTo(&Window));
    CustomProc->OpenAndPlay(clip);
    // Playing
    EXPECT_EQ(CommonLib->CurrentFile, clip);
    EXPECT_TRUE(CustomProc->Playing);
    EXPECT_FALSE(Logo->isVisibleTo(&Window));
    EXPECT_TRUE(ScreenSaverHeldOff(true));
    EXPECT_TRUE(PositionFollowed());
    EXPECT_TRUE(WaitFor([&] { return PictureShown(); })) << "a frame reaches the window";
    // Letterboxed: a 4:3 picture in the 256 x 154 window leaves black sides.
    // Drawn at the screen's pixels, on a denser screen too.
    const QImage frame = Shown();
    const qreal density = Video->devicePixelRatioF();
    EXPECT_EQ(frame.size(), QSize(256, 154) * density);
    EXPECT_EQ(QColor(frame.pixel(QPoint(3, 77) * density)).rgb() & 0xffffff, 0u);
    EXPECT_NE(QColor(frame.pixel(QPoint(128, 77) * density)).rgb() & 0xffffff, 0u);
    // Paused, a second in, so that a restart from 0 can't pass for a resume
    ASSERT_TRUE(WaitFor([&] { return PositionSeconds() >= 1.0; }));
    Playback().btnPauseClick();
    EXPECT_FALSE(CustomProc->Playing);
    EXPECT_FALSE(Logo->isVisibleTo(&Window));
    EXPECT_TRUE(ScreenSaverHeldOff(false));
    EXPECT_FALSE(PositionFollowed());
    const double pausedAt = PositionSeconds();
    Playback().btnPauseClick(); // twice changes nothing
    EXPECT_FALSE(CustomProc->Playing);
    EXPECT_EQ(CommonLib->CurrentFile, clip);
    // Play resumes from where it paused
    Playback().btnPlayClick();
    EXPECT_TRUE(CustomProc->Playing);
    EXPECT_GE(PositionSeconds(), pausedAt - 0.05);
    EXPECT_TRUE(PositionFollowed());
    // Stop: back to Empty
    PlayState->setValue(1);
    Playback().RzBmpButton1Click();
    EXPECT_TRUE(CommonLib->CurrentFile.isEmpty());
    EXPECT_FALSE(CustomProc->Playing);
    EXPECT_TRUE(Logo->isVisibleTo(&Window));
    EXPECT_EQ(CurTime->text(), "00:00:00");
    EXPECT_EQ(PlayState->value(), 0);
    EXPECT_FALSE(Graph().Active());
    EXPECT_FALSE(PictureShown());
}

TEST_F(PreviewPlayback, PartlyRenderableFileIsLoggedAndNothingPlays) {
    const QString bad = Folder.Path() + "unknown.avi";
    ASSERT_TRUE(MakeUndecodableVideoAvi(bad, 2));
    CustomProc->OpenAndPlay(bad);
    EXPECT_TRUE(LogText().contains("|Playing Video error.")) << LogText().toStdString();
    // Failed load: no file counts as loaded, nothing else changes.
    EXPECT_TRUE(CommonLib->CurrentFile.isEmpty());
    EXPECT_FALSE(CustomProc->Playing);
    EXPECT_TRUE(Logo->isVisibleTo(&Window));
    EXPECT_TRUE(Graph().Active());
    EXPECT_FALSE(Graph().Loaded());
    EXPECT_FALSE(PositionFollowed());
    // Stop returns to Empty.
    Playback().RzBmpButton1Click();
    EXPECT_TRUE(CommonLib->CurrentFile.isEmpty());
    EXPECT_FALSE(Graph().Active());
}

// Clips stored lying on their side or mirrored, as phones write them, play
// and show upright: the player's renderer cannot turn pictures by itself.
TEST_F(PreviewPlayback, TurnedClipsShowUpright) {
    const QString stored = Folder.Path() + "stored.mp4";
    ASSERT_EQ(RunProgram("ffmpeg", {"-nostdin", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                                    "smptebars=size=320x240:rate=25:duration=3", "-c:v", "libx264",
                                    "-preset", "veryfast", "-pix_fmt", "yuv420p", stored}),
              0);
    const QImage lying = ReferencePicture(stored, "null", Folder.Path() + "lying.png");
    for (const auto& [matrix, filters] : {std::pair{std::array{0, 1, -1, 0}, "transpose=clock"},
                                          {std::array{-1, 0, 0, -1}, "hflip,vflip"},
                                          {std::array{0, -1, 1, 0}, "transpose=cclock"},
                                          {std::array{-1, 0, 0, 1}, "hflip"}}) {
        const QString clip = Folder.Path() + "turned " + filters + ".mp4";
        ASSERT_TRUE(QFile::copy(stored, clip));
        ASSERT_TRUE(SetDisplayMatrix(clip, matrix));
        CustomProc->OpenAndPlay(clip);
        ASSERT_TRUE(CustomProc->Playing) << filters << LogText().toStdString();
        ASSERT_TRUE(WaitFor([&] { return PictureShown(); })) << filters;
        const QImage shown = Shown();
        const double upright =
            Difference(shown, ReferencePicture(stored, filters, Folder.Path() + "upright.png"));
        EXPECT_LT(upright, 12) << filters;
        EXPECT_LT(upright * 3, Difference(shown, lying)) << filters;
        Playback().RzBmpButton1Click();
    }
}

TEST_F(PreviewPlayback, PlayLoadsTheSelectedRowsInTurn) {
    const QString a = Clip("a.mp4", 2), b = Clip("b.mp4", 2);
    AddRow(Folder.Path() + "x.mp4", "00:00:02");
    AddRow(a, "00:00:02");
    AddRow(Folder.Path() + "y.mp4", "00:00:02");
    AddRow(b, "00:00:02");
    // Nothing selected: Play and Stop load nothing and leave the texts.
    CurTime->setText("00:00:07");
    PlayState->setValue(3);
    Playback().btnPlayClick();
    Playback().RzBmpButton1Click();
    Playback().JobListChanged();
    EXPECT_FALSE(Graph().Active());
    EXPECT_TRUE(CommonLib->CurrentFile.isEmpty());
    EXPECT_EQ(CurTime->text(), "00:00:07");
    EXPECT_EQ(PlayState->value(), 3);
    Select({1, 3});
    Playback().btnPlayClick();
    EXPECT_EQ(CommonLib->CurrentFile, b);
    EXPECT_TRUE(CustomProc->Playing);
}

TEST_F(PreviewPlayback, DoubleClickOnThePlayingRowPauses) {
    const QString clip = Clip("clip.mp4", 3);
    AddRow(clip, "00:00:03");
    Select({0});
    Playback().dxTreeSourceFileInfoDblClick();
    EXPECT_TRUE(CustomProc->Playing);
    EXPECT_EQ(Area->State.TotalSeconds, 3);
    Playback().dxTreeSourceFileInfoDblClick();
    EXPECT_FALSE(CustomProc->Playing);
    Playback().dxTreeSourceFileInfoDblClick();
    EXPECT_FALSE(CustomProc->Playing) << "it never resumes";
    EXPECT_EQ(CommonLib->CurrentFile, clip);
}

TEST_F(PreviewPlayback, EndOfFileUnloads) {
    CustomProc->OpenAndPlay(Clip("clip.mp4", 1.5));
    EXPECT_TRUE(WaitFor([&] { return PlayState->value() >= 1; }));
    ASSERT_TRUE(WaitFor([] { return CommonLib->CurrentFile.isEmpty(); }));
    EXPECT_TRUE(Logo->isVisibleTo(&Window));
    EXPECT_EQ(CurTime->text(), "00:00:00");
    EXPECT_EQ(PlayState->value(), 0);
    EXPECT_FALSE(CustomProc->Playing);
}

TEST_F(PreviewPlayback, PausesAtTheEndMarkerTime) {
    const QString clip = Clip("clip.mp4", 4);
    Area->State.EndTimeText = "00:00:01";
    CustomProc->OpenAndPlay(clip);
    ASSERT_TRUE(WaitFor([] { return !CustomProc->Playing; }));
    EXPECT_EQ(CurTime->text(), "00:00:01");
    EXPECT_EQ(CommonLib->CurrentFile, clip) << "paused, not unloaded";
    EXPECT_TRUE(WaitFor([&] { return PositionSeconds() < 0.5; })) << "back at the beginning";
}

TEST_F(PreviewPlayback, StartMarkerMoveSeeksOnlyOnceMarkersAreReady) {
    const QString clip = Clip("clip.mp4", 4);
    AddRow(clip, "00:00:04");
    Select({0});
    // Before any row click the move only writes the time: the row's length
    // is not known yet, so a seek would go to 0, away from where it paused.
    CustomProc->OpenAndPlay(clip);
    ASSERT_TRUE(WaitFor([&] { return PositionSeconds() >= 1.0; }));
    Playback().btnPauseClick();
    const double pausedAt = PositionSeconds();
    Bar->SetPanel2Width(110); // 50 %
    Area->Selection.Splitter1Moved();
    EXPECT_EQ(Text(0, 4), "00:00:00");
    PumpingSleep(100);
    EXPECT_NEAR(PositionSeconds(), pausedAt, 0.1);
    Playback().RzBmpButton1Click();

    Area->Selection.actDxTreeListOnClickExecute();
    Playback().dxTreeSourceFileInfoDblClick();
    ASSERT_TRUE(CustomProc->Playing);
    // Paused, the position gets to 2 s only by the seek.
    Playback().btnPauseClick();
    ASSERT_LT(PositionSeconds(), 1.0);
    Bar->SetPanel2Width(110);
    Area->Selection.Splitter1Moved();
    EXPECT_EQ(Text(0, 4), "00:00:02");
    EXPECT_TRUE(WaitFor([&] { return std::abs(PositionSeconds() - 2) < 0.1; }));
}

TEST_F(PreviewPlayback, ClosingLeavesNothingLoadedAndReleasesTheScreenSaver) {
    CustomProc->OpenAndPlay(Clip("clip.mp4", 3));
    ASSERT_TRUE(ScreenSaverHeldOff(true));
    Area->Close();
    EXPECT_FALSE(Graph().Active());
    EXPECT_TRUE(ScreenSaverHeldOff(false));
    EXPECT_FALSE(PositionFollowed());
}

TEST_F(PreviewPlayback, DefaultSoundOutputPlaysWithoutASoundServer) {
    TPreviewGraph::AudioOutput.clear();
    CustomProc->OpenAndPlay(Clip("clip.mp4", 2));
    EXPECT_TRUE(CustomProc->Playing);
    EXPECT_TRUE(WaitFor([&] { return PositionSeconds() > 0.3; }));
}

TEST_F(PreviewPlayback, IdleCursorHides) {
    QTest::mouseMove(Video, QPoint(50, 50));
    EXPECT_NE(Video->cursor().shape(), Qt::BlankCursor);
    EXPECT_TRUE(WaitFor([&] { return Video->cursor().shape() == Qt::BlankCursor; }, 2000));
}

} // namespace
