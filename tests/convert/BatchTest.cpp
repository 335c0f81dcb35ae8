#include "BatchFixture.h"

#include "convert/EncoderName.h"
#include "media/PreviewControls.h"
#include "media/PreviewState.h"
#include "media/SegmentSelection.h"
#include "media/TrimBar.h"
#include "support/PictureButton.h"

#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProgressBar>
#include <QTest>
#include <QTimer>

#include <algorithm>

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

// type, size and duration of an output as ffprobe reports them
QString Probe(const QString& path) {
    QString out;
    RunProgram("ffprobe",
               {"-v", "error", "-show_entries",
                "format=format_name,duration:stream=codec_type,width,height", "-of", "default=nw=1",
                path},
               &out);
    return out;
}

double Duration(const QString& probe) {
    for (const QString& line : probe.split('\n'))
        if (line.startsWith("duration="))
            return line.mid(9).toDouble();
    return -1;
}

QString Written(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString(file.readAll()) : "(missing)";
}

// The sound types run the other form of the command line, and the
// encoder's sound-only status lines drive the per-file bar.
TEST_F(Batch, SoundTypesGiveSoundOnlyFilesAndMoveTheBar) {
    AddRow("song.avi", 4);
    int highest = 0;
    Encoder.AfterChunk = [&] { highest = std::max(highest, Form.ProgressBar1->value()); };
    for (const QString name : {"song.aac", "song_1.m4a", "song_2.mp3"}) {
        F.SelectNormalQuality(F.Choice.Position(TChoiceList::OutputType) + 1);
        highest = 0;
        Run();
        // Each name is kept clear of the earlier outputs' names, whatever their type.
        EXPECT_EQ(CustomProc->JobOutputPath, F.OutputFolder + "/" + name);
        EXPECT_TRUE(Encoder.Calls.last().Arguments.contains("-vn"));
        EXPECT_EQ(Written(CustomProc->JobOutputPath), "replayed");
        EXPECT_EQ(highest, 4) << name.toStdString();
    }
    EXPECT_TRUE(Dialogs.Messages.isEmpty());
}

// A stop while the batch pauses before a job leaves that job unstarted and
// its reserved output gone.
TEST_F(Batch, StopDuringThePauseStartsNoEncoder) {
    AddRow("never.avi");
    Timing().BeforeRunMs = 300;
    Dialogs.Answers = {mrYes};
    QTimer::singleShot(50, [this] { QTest::mouseClick(Form.btnStop, Qt::LeftButton); });
    Run();
    EXPECT_TRUE(Encoder.Calls.isEmpty());
    EXPECT_EQ(F.LogLines("parameter: ").size(), 1);
    EXPECT_FALSE(QFileInfo::exists(F.OutputFolder + "/never.mp4"));
}

// Every ticked row in list order; a failed job is reported, and the others
// are converted.
TEST_F(Batch, RowsAreConvertedInListOrderAndFailuresReported) {
    const QString bad = Placeholder("bad.avi"), empty = Placeholder("empty.avi");
    const QStringList good{"one", "say \"cheese\"", "two"};
    AddRow("one.avi");
    F.AddRow(bad, "00:00:00", "00:00:02");
    AddRow("say \"cheese\".avi");
    AddRow("unticked.avi");
    F.Jobs.SetText(3, dxtrlchkCheckStatus, "False");
    AddRow("two.avi");
    F.AddRow(empty, "00:00:01", "00:00:01"); // the markers met
    End.ShowOutputDirectory = true;
    Run();
    const QStringList params = F.LogLines("parameter: ");
    ASSERT_EQ(Encoder.Calls.size(), 5);
    ASSERT_EQ(params.size(), 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(params[i], "parameter: " + CommandLineText(Encoder.Calls[i]));
    const QStringList failures{bad + " - ravlin: cannot open input \"" + bad +
                                   "\": Invalid data found when processing input",
                               empty + " - ravlin: nothing to convert: the segment is empty"};
    EXPECT_EQ(F.LogLines("Convert error: "),
              (QStringList{"Convert error: " + failures[0], "Convert error: " + failures[1]}));
    // A failed job leaves no output behind, not even the empty one its
    // name was taken with.
    EXPECT_FALSE(QFileInfo::exists(F.OutputFolder + "/bad.mp4"));
    EXPECT_FALSE(QFileInfo::exists(F.OutputFolder + "/empty.mp4"));
    EXPECT_FALSE(QFileInfo::exists(F.OutputFolder + "/unticked.mp4"));
    for (const QString& name : good)
        EXPECT_EQ(Written(F.OutputFolder + "/" + name + ".mp4"), "replayed");
    EXPECT_EQ(Labels, (QStringList{"Current: 1, Total: 6", "Current: 1 , Total: 6.",
                                   "Current: 3 , Total: 6.", "Current: 5 , Total: 6."}));
    // The box names each file with its reason, as the log does.
    EXPECT_EQ(Dialogs.MessageTexts(),
              QStringList{"These files could not be converted:\n" + failures.join('\n')});
    EXPECT_EQ(Desktop.Opened, QStringList{F.OutputFolder + "/"});
    EXPECT_EQ(Desktop.PowerOffs, 0);
    EXPECT_FALSE(Form.isVisible());
    EXPECT_TRUE(Main.isEnabled());
}

TEST_F(Batch, EmptyListShowsOnlyItsWarning) {
    const TShowCounter progressWindow(&Form);
    Run();
    EXPECT_EQ(Dialogs.MessageTexts(),
              QStringList{"Please add media files you want to convert into the list."});
    EXPECT_EQ(Dialogs.Messages[0].Icon, TMsgIcon::Warning);
    EXPECT_TRUE(F.LogLines("").isEmpty());
    EXPECT_EQ(progressWindow.Shows, 0) << "the progress window never showed";
}

// The segment set with the trim bar's markers is what the batch cuts out.
TEST_F(Batch, MarkersSetTheSegmentThatIsConverted) {
    AddRow("trim.avi", 10);
    TTrimBar bar;
    bar.show();
    PreviewControls.Panel1 = &bar;
    TPreviewState state;
    TSegmentSelection selection(state);
    List.selectionModel()->select(F.Jobs.index(0, 0), QItemSelectionModel::Select);
    selection.actDxTreeListOnClickExecute();
    // Five Shift-presses on the segment move the start 50 px right (2 s of
    // 10), nine Shift-right-presses on the part after the end move the end
    // 90 px left (5 s).
    for (int i = 0; i < 5; ++i)
        selection.Panel4MouseDown(Qt::LeftButton, Qt::ShiftModifier, Qt::LeftButton);
    for (int i = 0; i < 9; ++i)
        selection.Panel3MouseDown(Qt::RightButton, Qt::ShiftModifier, Qt::RightButton);
    EXPECT_EQ(F.Jobs.Text(0, 4), "00:00:02");
    EXPECT_EQ(F.Jobs.Text(0, 5), "00:00:05");
    EXPECT_EQ(F.Jobs.Text(0, 6), "00:00:03");

    Run();
    ASSERT_EQ(Encoder.Calls.size(), 1);
    EXPECT_TRUE(CommandLineText(Encoder.Calls[0]).contains(" -ss 00:00:02 -t 3 "));
}

// The real encoder, end to end: what it writes plays as chosen, and its own
// words name a failure. A process of the encoder's name that this program
// didn't start (a second window's encoder, or anything else) is none of the
// batch's business: the wait after a job doesn't wait for it.
TEST_F(Batch, RealEncoderConvertsAndReportsItsFailure) {
    const QString bad = F.Folder.WriteFile("src/bad.avi", QByteArray(4096, 'x'));
    F.AddRow(Source("good.avi", 3), "00:00:00", "00:00:02");
    F.AddRow(bad, "00:00:00", "00:00:02");
    QProcess other;
    ASSERT_TRUE(QFile::link("/usr/bin/sleep", F.Folder.MakeFolder("other") + EncoderProcessName));
    other.start(F.Folder.Path() + "other/" + EncoderProcessName, {"30"});
    ASSERT_TRUE(other.waitForStarted());
    RunReal(); // over while the other process still sleeps
    EXPECT_EQ(other.state(), QProcess::Running);
    other.kill();
    other.waitForFinished();
    const QString probe = Probe(F.OutputFolder + "/good.mp4");
    EXPECT_TRUE(probe.contains("format_name=mov,mp4")) << probe.toStdString();
    EXPECT_TRUE(probe.contains("codec_type=video\nwidth=320\nheight=240")) << probe.toStdString();
    EXPECT_TRUE(probe.contains("codec_type=audio")) << probe.toStdString();
    EXPECT_NEAR(Duration(probe), 2.0, 0.25) << probe.toStdString();
    const QString failure = bad + " - ravlin: cannot open input \"" + bad +
                            "\": Invalid data found when processing input";
    EXPECT_EQ(F.LogLines("Convert error: "), QStringList{"Convert error: " + failure});
    EXPECT_EQ(Dialogs.MessageTexts(),
              QStringList{"These files could not be converted:\n" + failure});
    EXPECT_FALSE(QFileInfo::exists(F.OutputFolder + "/bad.mp4"));
    EXPECT_EQ(SysFunc->FindProcess(EncoderProcessName), 0);
}

// A stop in the middle of a long job leaves the real encoder the time to
// move the index of its partial output to the front, so the file opens.
TEST_F(Batch, RealEncoderStoppedLeavesAnOutputThatOpens) {
    // Two minutes, in a small picture that is quick to make and to decode.
    F.AddRow(Source("long.avi", 120, {"-s", "160x120", "-r", "10"}), "00:00:00", "00:02:00");
    // Attempts 1 ms apart: far quicker than the encoder closes its file.
    Timing().ProcessPollMs = 1;
    QTimer stopper;
    QObject::connect(&stopper, &QTimer::timeout, [&] {
        if (Form.isVisible() && Form.ProgressBar1->value() >= 30) {
            Dialogs.Answers = {mrYes};
            QTest::mouseClick(Form.btnStop, Qt::LeftButton);
        }
    });
    stopper.start(10);
    RunReal();
    ASSERT_EQ(Dialogs.MessageTexts(), QStringList{"Are you sure you want to stop the work ? "});
    const QString probe = Probe(CustomProc->JobOutputPath);
    EXPECT_TRUE(probe.contains("format_name=mov,mp4")) << probe.toStdString();
    EXPECT_GE(Duration(probe), 30) << probe.toStdString();
    EXPECT_LT(Duration(probe), 119) << probe.toStdString();
    EXPECT_EQ(SysFunc->FindProcess(EncoderProcessName), 0);
}

} // namespace
