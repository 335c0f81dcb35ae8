#include "media/ProbeGraph.h"
#include "media/MediaSamples.h"
#include "testsupport/TestFolders.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

TEST(ProbeGraph, RendersEveryContainerTypeWithItsDuration) {
    const TTestFolder folder;
    // A Flash file carries no duration; its packets' times tell it.
    for (const char* extension :
         {".avi", ".mp4", ".mov", ".flv", ".mpg", ".3gp", ".wmv", ".rm", ".swf"}) {
        const QString path = folder.Path() + "clip" + extension;
        ASSERT_TRUE(MakeSample(path, 2.0)) << extension;
        const TRenderCheck check = CheckRender(path);
        EXPECT_EQ(check.Result, 0) << extension;
        EXPECT_NEAR(check.DurationMs, 2000, 150) << extension;
    }
    // Program streams whose clock starts at 10 s; two of them joined into one
    // file, the second with a smaller picture, last as long as both.
    const QString first = folder.Path() + "first.mpg", second = folder.Path() + "second.mpg";
    ASSERT_TRUE(MakeMedia(first, 2.0, LateClockMpegOptions()));
    ASSERT_TRUE(MakeMedia(second, 3.0, QStringList{"-s", "160x120"} + LateClockMpegOptions()));
    ASSERT_TRUE(JoinFiles({first, second}, folder.Path() + "joined.mpg"));
    // Sound alone renders whole; a stream without a decoder makes it partial.
    ASSERT_TRUE(MakeMedia(folder.Path() + "sound.mp4", 3.0, {"-c:a", "aac"}, false, true));
    ASSERT_TRUE(MakeUndecodableVideoAvi(folder.Path() + "unknown.avi", 2.0));
    for (const auto& [name, result, ms] : {std::tuple{"first.mpg", 0, 2000},
                                           {"joined.mpg", 0, 5000},
                                           {"sound.mp4", 0, 3000},
                                           {"unknown.avi", 1, 2000}}) {
        const TRenderCheck check = CheckRender(folder.Path() + name);
        EXPECT_EQ(check.Result, result) << name;
        EXPECT_NEAR(check.DurationMs, ms, 150) << name;
    }
    EXPECT_LT(CheckRender(folder.Path() + "clip.avi", 0).Result, 0) << "ends at its time limit";
}

// The video's display matrix says how the preview turns it upright.
TEST(ProbeGraph, TellsHowToTurnTheVideoUpright) {
    const TTestFolder folder;
    const QString path = folder.Path() + "phone.mp4";
    ASSERT_TRUE(MakeSample(path, 1.0));
    EXPECT_EQ(CheckRender(path).TurnFilters, "");
    for (const auto& [matrix, filters] : {std::pair{std::array{0, 1, -1, 0}, "transpose=clock"},
                                          {std::array{-1, 0, 0, -1}, "hflip,vflip"},
                                          {std::array{0, -1, 1, 0}, "transpose=cclock"},
                                          {std::array{-1, 0, 0, 1}, "hflip"},
                                          {std::array{0, 1, 1, 0}, "transpose=cclock_flip"}}) {
        ASSERT_TRUE(SetDisplayMatrix(path, matrix));
        const TRenderCheck check = CheckRender(path);
        EXPECT_EQ(check.Result, 0) << filters;
        EXPECT_EQ(check.TurnFilters, filters);
    }
}

TEST(ProbeGraph, UnreadableFilesFail) {
    const TTestFolder folder;
    const QString subtitles =
        folder.WriteFile("subs.srt", "1\n00:00:00,000 --> 00:00:02,000\nHi\n");
    const QString subtitlesOnly = folder.Path() + "subs.mkv";
    ASSERT_EQ(RunProgram("ffmpeg",
                         {"-nostdin", "-loglevel", "error", "-y", "-i", subtitles, subtitlesOnly}),
              0);
    const QString cases[] = {
        folder.WriteFile("text.avi", "just some words, not a film\n"),
        folder.WriteFile("empty.mp4"),
        folder.Path() + "missing.mp4",
        folder.MakeFolder("folder.avi"),
        subtitlesOnly,
        "/dev/zero",
        // Nothing in it can be decoded.
        folder.Path() + "unknown.avi",
        // Files that name other files: a playlist, a list to join, an image sequence.
        WritePlaylist(folder.Path() + "funny.avi", folder.Path() + "clip.mp4"),
        folder.WriteFile("list.mpg", "ffconcat version 1.0\nfile 'clip.mp4'\n"),
        folder.Path() + "frame%03d.png",
    };
    ASSERT_TRUE(MakeUndecodableOnlyAvi(folder.Path() + "unknown.avi", 2.0));
    ASSERT_TRUE(MakeSample(folder.Path() + "clip.mp4", 2.0));
    MakeMedia(folder.Path() + "frame%03d.png", 2.0, {}, true, false); // the frames, one file each
    ASSERT_TRUE(QFile::copy(folder.Path() + "frame001.png", folder.Path() + "frame%03d.png"));
    for (const QString& path : cases) {
        const TRenderCheck check = CheckRender(path);
        EXPECT_LT(check.Result, 0) << path.toStdString();
        EXPECT_EQ(check.DurationMs, 0) << path.toStdString();
    }
}

TEST(ProbeGraph, GraphKeepsRenderUntilEmptiedOrInactive) {
    const TTestFolder folder;
    const QString path = folder.Path() + "clip.mov";
    ASSERT_TRUE(MakeSample(path, 2.0));
    TProbeGraph graph;
    EXPECT_LT(graph.RenderFile(path), 0) << "an inactive graph renders nothing";
    graph.MakeActive();
    ASSERT_TRUE(graph.Active());
    EXPECT_EQ(graph.RenderFile(path), 0);
    EXPECT_NEAR(graph.DurationMs(), 2000, 100);
    graph.RemoveAllFilters();
    EXPECT_EQ(graph.DurationMs(), 0);
    EXPECT_EQ(graph.RenderFile(path), 0);
    graph.MakeInactive();
    EXPECT_FALSE(graph.Active());
    EXPECT_EQ(graph.DurationMs(), 0);
}

} // namespace
