#include "BatchFixture.h"

#include "convert/EncoderName.h"
#include "media/PreviewControls.h"
#include "media/PreviewState.h"
#include "media/SegmentSelection.h"
#include "media/TrimBar.h"
#include "support/Globals.h"
#include "support/PictureButton.h"
#include "support/Timing.h"

#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <unistd.h>

namespace {

// Counts the times a window is shown.
class TShowCounter final : public QObject {
public:
    explicit TShowCounter(QWidget* window) { window->installEventFilter(this); }
    int Shows = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        Shows += event->type() == QEvent::Show;
        return false;
    }
};

double Duration(const QString& probe) {
    for (const QString& line : probe.split('\n'))
        if (line.startsWith("duration="))
            return line.mid(9).toDouble();
    return -1;
}

TEST_F(Batch, ThreeRowsGiveThreeOutputsInListOrder) {
    const QStringList names{"one.avi", "two.avi", "three.avi"};
    for (const QString& name : names)
        F.AddRow(Source(name), "00:00:00", "00:00:02");
    F.chkShowOutputDirectory->setChecked(true);
    Run();

    const QStringList params = F.LogLines("parameter: ");
    ASSERT_EQ(params.size(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(params[i].contains("/src/" + names[i] + "\"")) << params[i].toStdString();
        const QString probe = Probe(F.OutputFolder + "/" + names[i].chopped(4) + ".mp4");
        EXPECT_TRUE(probe.contains("format_name=mov,mp4")) << probe.toStdString();
        EXPECT_TRUE(probe.contains("codec_type=video\nwidth=320\nheight=240"))
            << probe.toStdString();
        EXPECT_TRUE(probe.contains("codec_type=audio")) << probe.toStdString();
        EXPECT_NEAR(Duration(probe), 2.0, 0.25) << probe.toStdString();
    }
    EXPECT_TRUE(Labels.contains("Current: 1 , Total: 3."));
    EXPECT_TRUE(Labels.contains("Current: 3 , Total: 3."));
    EXPECT_TRUE(Dialogs.Messages.isEmpty());
    EXPECT_EQ(Desktop.Opened, QStringList{F.OutputFolder + "/"});
    EXPECT_EQ(Desktop.PowerOffs, 0);
    EXPECT_FALSE(Form.isVisible());
    EXPECT_TRUE(F.Main.isEnabled());
}

// The sound types run the other form of the command line, and the
// encoder's sound-only status lines drive the per-file bar.
TEST_F(Batch, SoundTypesGiveSoundOnlyFilesAndMoveTheBar) {
    struct TCase {
        int OutputType;
        QString Ext, Format;
    };
    const QList<TCase> cases = {{1, ".aac", "format_name=aac"},
                                {2, ".m4a", "format_name=mov,mp4"},
                                {3, ".mp3", "format_name=mp3"}};
    const QString source = Source("song.avi", 4);
    int highest = 0;
    QTimer barWatch;
    connect(&barWatch, [&] { highest = std::max(highest, Form.ProgressBar1->value()); });
    for (const TCase& c : cases) {
        F.Jobs->Clear();
        F.SelectNormalQuality(c.OutputType);
        F.AddRow(source, "00:00:00", "00:00:04");
        highest = 0;
        Run();
        // Each name is kept clear of the earlier outputs' names, whatever their type.
        EXPECT_TRUE(CustomProc->JobOutputPath.endsWith(c.Ext));
        const QString probe = Probe(CustomProc->JobOutputPath);
        EXPECT_TRUE(probe.contains(c.Format)) << probe.toStdString();
        EXPECT_TRUE(probe.contains("codec_type=audio")) << probe.toStdString();
        EXPECT_FALSE(probe.contains("codec_type=video")) << probe.toStdString();
        EXPECT_NEAR(Duration(probe), 4.0, 0.15) << probe.toStdString();
        EXPECT_GT(highest, 0) << c.Ext.toStdString();
    }
    EXPECT_TRUE(Dialogs.Messages.isEmpty());
}

TEST_F(Batch, StopDuringTheFirstJobEndsTheBatch) {
    for (const char* name : {"a.avi", "b.avi", "c.avi"})
        F.AddRow(Source(name, 20), "00:00:00", "00:00:20");
    F.chkShowOutputDirectory->setChecked(true);
    bool stopped = false;
    int nestedWhileRunning = 0, shownAfterStop = 0;
    QTimer stopper;
    connect(&stopper, [&] {
        if (!stopped && CustomProc->OutputCount >= 1) {
            stopped = true;
            Dialogs.Answers = {mrYes};
            Form.btnStop1Click();
            EXPECT_FALSE(Form.isVisible());
            EXPECT_EQ(SysFunc->FindProcess(EncoderProcessName), 0);
        } else if (stopped && CustomProc->BatchRunning) {
            // Convert while the stopped batch winds down starts nothing;
            // rows added meanwhile are listed, and wait for the next Convert.
            if (++nestedWhileRunning == 1)
                for (const char* name : {"d.avi", "e.avi"})
                    F.AddRow(F.Folder.Path() + "src/" + name, "00:00:00", "00:00:20");
            Run();
            shownAfterStop += Form.isVisible() || !F.Main.isEnabled();
        }
    });
    Run();
    stopper.stop();
    EXPECT_TRUE(stopped);
    EXPECT_GT(nestedWhileRunning, 0);
    EXPECT_EQ(shownAfterStop, 0);
    EXPECT_EQ(F.Jobs->rowCount(), 5);
    EXPECT_EQ(F.LogLines("parameter: ").size(), 1);
    EXPECT_TRUE(F.LogLines("Convert error").isEmpty()); // a stopped job is no failure
    EXPECT_EQ(SysFunc->FindProcess(EncoderProcessName), 0);
    EXPECT_EQ(Dialogs.MessageTexts(), QStringList{"Are you sure you want to stop the work ? "});
    EXPECT_EQ(Desktop.Opened.size(), 1);
}

// A stop in the middle of a long job leaves the encoder the time to move
// the index of its partial output to the front, so the file opens.
TEST_F(Batch, StoppedLongJobLeavesAnOutputThatOpens) {
    // Eleven minutes, in a small picture that is quick to make and to decode.
    const QString path = F.Folder.WriteFile("src/long.avi");
    ASSERT_EQ(RunProgram("ffmpeg", {"-nostdin", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                                    "testsrc=size=160x120:rate=10:duration=660", "-f", "lavfi",
                                    "-i", "sine=sample_rate=22050:duration=660", "-c:v", "mpeg4",
                                    "-c:a", "mp3", path}),
              0);
    F.AddRow(path, "00:00:00", "00:11:00");
    // Attempts 1 ms apart: far quicker than the encoder closes its file.
    Timing().ProcessPollMs = 1;
    QTimer stopper;
    connect(&stopper, [&] {
        if (Form.isVisible() && Form.ProgressBar1->value() >= 600) {
            Dialogs.Answers = {mrYes};
            QTest::mouseClick(Form.btnStop, Qt::LeftButton);
        }
    });
    Run();
    ASSERT_EQ(Dialogs.MessageTexts(), QStringList{"Are you sure you want to stop the work ? "});
    const QString probe = Probe(CustomProc->JobOutputPath);
    EXPECT_TRUE(probe.contains("format_name=mov,mp4")) << probe.toStdString();
    EXPECT_GE(Duration(probe), 600) << probe.toStdString();
    EXPECT_LT(Duration(probe), 659) << probe.toStdString();
}

// A process of the encoder's name that this program didn't start (a second
// window's encoder, or anything else) is none of the batch's business: the
// wait after a job doesn't wait for it, and a stop doesn't signal it.
TEST_F(Batch, AnotherProgramsEncoderNeitherHoldsNorIsStopped) {
    const QString folder = F.Folder.MakeFolder("other");
    ASSERT_TRUE(QFile::link("/usr/bin/sleep", folder + EncoderProcessName));
    QProcess other;
    other.start(folder + EncoderProcessName, {"30"});
    ASSERT_TRUE(other.waitForStarted());

    EXPECT_EQ(SysFunc->FindProcess(EncoderProcessName), 0);
    CommonLib->StopEncoder(EncoderProcessName);
    F.AddRow(Source("mine.avi"), "00:00:00", "00:00:02");
    Run(); // over while the other process still sleeps
    EXPECT_EQ(F.LogLines("parameter: ").size(), 1);
    EXPECT_NEAR(Duration(Probe(F.OutputFolder + "/mine.mp4")), 2.0, 0.25);
    EXPECT_EQ(other.state(), QProcess::Running);
    EXPECT_FALSE(other.waitForFinished(100));
    other.kill();
    other.waitForFinished();
}

TEST_F(Batch, FailedJobsAreReportedAndTheOthersConverted) {
    const QString good1 = Source("good1.avi");
    const QString bad = F.Folder.WriteFile("src/bad.avi", QByteArray(4096, 'x'));
    const QString quoted = Source("say \"cheese\".avi");
    const QString empty = F.Folder.Path() + "src/empty.avi";
    ASSERT_TRUE(QFile::copy(good1, empty));
    const QString good2 = Source("good2.avi");
    for (const QString& path : {good1, bad, quoted, good2})
        F.AddRow(path, "00:00:00", "00:00:02");
    F.AddRow(empty, "00:00:01", "00:00:01"); // the markers met
    Run();
    EXPECT_EQ(F.LogLines("parameter: ").size(), 5);
    const QStringList errors = F.LogLines("Convert error: ");
    ASSERT_EQ(errors.size(), 2);
    EXPECT_TRUE(errors[0].startsWith("Convert error: " + bad + " - ")) << errors[0].toStdString();
    EXPECT_EQ(errors[1],
              "Convert error: " + empty + " - ravlin: nothing to convert: the segment is empty");
    // A failed job leaves no output behind, not even the empty one its
    // name was taken with.
    EXPECT_FALSE(QFileInfo::exists(F.OutputFolder + "/bad.mp4"));
    EXPECT_FALSE(QFileInfo::exists(F.OutputFolder + "/empty.mp4"));
    // The box names each file with its reason, as the log does.
    QStringList failures;
    for (const QString& error : errors)
        failures << error.mid(QString("Convert error: ").size());
    EXPECT_EQ(Dialogs.MessageTexts(),
              QStringList{"These files could not be converted:\n" + failures.join('\n')});
    EXPECT_NEAR(Duration(Probe(F.OutputFolder + "/good1.mp4")), 2.0, 0.25);
    EXPECT_NEAR(Duration(Probe(F.OutputFolder + "/good2.mp4")), 2.0, 0.25);
    EXPECT_NEAR(Duration(Probe(F.OutputFolder + "/say \"cheese\".mp4")), 2.0, 0.25);
}

TEST_F(Batch, EmptyListShowsOnlyItsWarning) {
    const TShowCounter progressWindow(&Form);
    Run();
    EXPECT_EQ(Dialogs.MessageTexts(),
              QStringList{"Please add media files you want to convert into the list."});
    EXPECT_EQ(Dialogs.Messages[0].Icon, TMsgIcon::Warning);
    EXPECT_TRUE(F.LogLines("").join("").isEmpty());
    EXPECT_EQ(progressWindow.Shows, 0) << "the progress window never showed";
}

TEST_F(Batch, ShutdownPowersOffAndEndsAtOnce) {
    F.AddRow(Source("last.avi"), "00:00:00", "00:00:02");
    F.AddRow(F.Folder.WriteFile("src/broken.avi", QByteArray(4096, 'x')), "00:00:00", "00:00:02");
    F.chkShutdown->setChecked(true);
    Run();
    EXPECT_EQ(Desktop.PowerOffs, 1);
    EXPECT_EQ(ProgramEnds, 1);
    EXPECT_TRUE(Dialogs.Messages.isEmpty()); // an unattended batch asks nothing
    EXPECT_EQ(F.LogLines("Convert error: ").size(), 1);
    // Nothing after the end ran: the windows stay as the batch left them.
    EXPECT_TRUE(Form.isVisible());
    EXPECT_FALSE(F.Main.isEnabled());
}

} // namespace

namespace {

// The segment set with the trim bar's markers is what the batch cuts out.
TEST_F(Batch, MarkersSetTheSegmentThatIsConverted) {
    F.AddRow(Source("trim.avi", 10), "00:00:00", "00:00:10");
    TTrimBar bar;
    bar.show();
    PreviewControls.Panel1 = &bar;
    TPreviewState state;
    TSegmentSelection selection(state);
    F.List->selectionModel()->select(F.Jobs->index(0, 0), QItemSelectionModel::Select);
    selection.actDxTreeListOnClickExecute();
    // Five Shift-presses on the segment move the start 50 px right (2 s of
    // 10), nine Shift-right-presses on the part after the end move the end
    // 90 px left (5 s).
    for (int i = 0; i < 5; ++i)
        selection.Panel4MouseDown(Qt::LeftButton, Qt::ShiftModifier, Qt::LeftButton);
    for (int i = 0; i < 9; ++i)
        selection.Panel3MouseDown(Qt::RightButton, Qt::ShiftModifier, Qt::RightButton);
    EXPECT_EQ(F.Jobs->Text(0, 4), "00:00:02");
    EXPECT_EQ(F.Jobs->Text(0, 5), "00:00:05");
    EXPECT_EQ(F.Jobs->Text(0, 6), "00:00:03");

    Run();
    EXPECT_TRUE(F.LogLines("parameter: ").value(0).contains(" -ss 00:00:02 -t 3 "));
    EXPECT_NEAR(Duration(Probe(F.OutputFolder + "/trim.mp4")), 3.0, 0.25);
}

} // namespace
