#include "media/ProbeGraph.h"
#include "media/MediaSamples.h"
#include "testsupport/TestFolders.h"

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
}

TEST(ProbeGraph, SoundOnlyFileIsRendered) {
    const TTestFolder folder;
    const QString path = folder.Path() + "sound.mp4";
    ASSERT_TRUE(MakeMedia(path, 3.0, {"-c:a", "aac"}, false, true));
    const TRenderCheck check = CheckRender(path);
    EXPECT_EQ(check.Result, 0);
    EXPECT_NEAR(check.DurationMs, 3000, 100);
}

TEST(ProbeGraph, StreamWithoutDecoderIsPartialRender) {
    const TTestFolder folder;
    const QString path = folder.Path() + "unknown.avi";
    ASSERT_TRUE(MakeUndecodableVideoAvi(path, 2.0));
    const TRenderCheck check = CheckRender(path);
    EXPECT_EQ(check.Result, 1);
    EXPECT_NEAR(check.DurationMs, 2000, 150);
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
    };
    for (const QString& path : cases) {
        const TRenderCheck check = CheckRender(path);
        EXPECT_LT(check.Result, 0) << path.toStdString();
        EXPECT_EQ(check.DurationMs, 0) << path.toStdString();
    }
}

TEST(ProbeGraph, RenderEndsAtItsTimeLimit) {
    const TTestFolder folder;
    const QString path = folder.Path() + "clip.mp4";
    ASSERT_TRUE(MakeSample(path, 1.0));
    EXPECT_LT(CheckRender(path, 0).Result, 0);
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
