#include "convert/ProgressModel.h"
#include "StatusPrinter.h"

#include <gtest/gtest.h>

namespace {

const QString VideoStatus = "frame=  250 q=3.0 size=    1024kB time=10.0 bitrate= 838.9kbits/s";

// The second of three rows, 95 seconds long, as the window shows it first.
class ProgressModel : public ::testing::Test {
protected:
    void SetUp() override {
        Job.RowCount = 3;
        Job.CurrentRow = 1;
        Job.CutSeconds = "95";
        Job.Form = TCommandForm::Video;
        Model.Show(Job.RowCount);
    }
    void Feed(const QString& chunk) {
        ++Job.OutputCount;
        Model.Refresh(chunk, Job);
    }
    TProgressJob Job;
    TProgressModel Model;
};

TEST_F(ProgressModel, VideoChunksMoveTheBarsFromThePreviousFigures) {
    EXPECT_EQ(Model.Label, "Current: 1, Total: 3");
    Feed("ravlin version 1\r\n"); // the banner is never read
    EXPECT_EQ(Model.PerFile, (TBarFigures{0, 1, 0}));
    EXPECT_EQ(Model.Label, "Current: 1, Total: 3");

    Feed(VideoStatus);
    EXPECT_EQ(Model.PerFile, (TBarFigures{0, 95, 10}));
    Feed("size=  100kB time=5.5 bitrate=  50.0kbits/s"); // four pieces
    EXPECT_EQ(Model.PerFile.Value, 10);
    EXPECT_EQ(Model.Overall, (TBarFigures{0, 300, 110}));
    EXPECT_EQ(Model.Label, "Current: 2 , Total: 3.");

    Feed("frame=  250 q=3.0 size=    1024kB time=10000000000.00 bitrate= 0.0kbits/s");
    EXPECT_EQ(Model.PerFile.Value, 10);
    Feed("frame=  300 q=3.0 size=    1200kB time=12.0 bitrate"); // five pieces
    EXPECT_EQ(Model.PerFile.Value, 12);
    Feed("frame=  300 q=3.0 size=    1200kB time=400.0 bitrate=");
    EXPECT_EQ(Model.PerFile.Value, 95) << "never past the cut length";
    Feed("frame=  300 q=3.0 size=    1200kB time=+-.0 bitrate=");
    EXPECT_EQ(Model.PerFile.Value, 95) << "a time that is no number";
}

TEST_F(ProgressModel, AudioChunkTakesTheThirdPiece) {
    Job.Form = TCommandForm::Audio;
    Feed("banner");
    Feed("size=     123kB time=12.3 bitrate= 128.0kbits/s");
    EXPECT_EQ(Model.PerFile.Value, 12);
}

TEST_F(ProgressModel, CutLengthZeroLeavesOverallBarAndLabel) {
    Feed("banner");
    Feed(VideoStatus);
    Feed(VideoStatus);
    Job.CutSeconds = "0";
    Feed(VideoStatus); // the per-file maximum becomes 0 here
    ASSERT_EQ(Model.PerFile.Maximum, 0);
    Job.CurrentRow = 2;
    Feed(VideoStatus);
    EXPECT_EQ(Model.Overall.Value, 110);
    EXPECT_EQ(Model.Label, "Current: 2 , Total: 3.");
}

// A stop inside the output's window events: the refresh after it sees the
// stopped batch's row, past the last one; the overall bar refuses the
// position beyond its range.
TEST_F(ProgressModel, StopThenRefreshOfTheStoppedBatch) {
    Feed("banner");
    Feed(VideoStatus);
    Model.Stop();
    EXPECT_EQ(Model.Overall, (TBarFigures{0, 0, 0}));
    EXPECT_EQ(Model.PerFile.Value, 0);
    EXPECT_EQ(Model.Label, "Current: 1, Total: ...");
    Job.CurrentRow = Job.RowCount;
    Feed(VideoStatus);
    EXPECT_EQ(Model.Overall, (TBarFigures{0, 300, 300}));
    EXPECT_EQ(Model.Label, "Current: 4 , Total: 3.");
    Feed(VideoStatus);
    EXPECT_EQ(Model.Overall.Value, 300) << "310 lies beyond the bar";
}

// The encoder's own status lines, as its formatter writes them, move the
// per-file bar to their whole seconds; before anything is written they
// leave it where it was.
TEST(EncoderContract, StatusLinesOfTheFormatterMoveTheBar) {
    for (const bool video : {true, false}) {
        TProgressJob job;
        job.RowCount = 1;
        job.CutSeconds = "60";
        job.Form = video ? TCommandForm::Video : TCommandForm::Audio;
        TProgressModel model;
        model.Show(1);
        const auto feed = [&](const std::string& output) {
            ++job.OutputCount;
            model.Refresh(QString::fromStdString(output), job);
        };
        feed("ravlin 1.0.0\nInput: a.avi\n");
        TOutputProgress progress;
        feed(FormatStatusLine(progress, video));
        EXPECT_EQ(model.PerFile, (TBarFigures{0, 60, 0})) << video;

        progress.VideoFrames = video ? 949 : 0;
        progress.Quality = 2.5;
        progress.Bytes = 2'500'000;
        progress.Seconds = 37.94;
        feed(FormatStatusLine(progress, video));
        EXPECT_EQ(model.PerFile.Value, 37) << video;

        // Lines gathered in one chunk: the first counts.
        TOutputProgress later = progress;
        later.Seconds = 41.5;
        progress.Seconds = 39.2;
        feed(FormatStatusLine(progress, video) + FormatStatusLine(later, video));
        EXPECT_EQ(model.PerFile.Value, 39) << video;
        feed(FormatSummary(later, video));
        EXPECT_EQ(model.PerFile.Value, 39) << video;
    }
}

} // namespace
