#pragma once

#include "ConversionFixture.h"
#include "convert/BatchDriver.h"
#include "convert/FrmConverting.h"
#include "convert/ProgramEnd.h"
#include "media/JobListView.h"
#include "support/Globals.h"
#include "support/Timing.h"
#include "testsupport/RecordingDesktop.h"
#include "testsupport/ScriptedDialogs.h"
#include "testsupport/WindowGuards.h"

#include <QLabel>
#include <QStringList>
#include <QWidget>
#include <gtest/gtest.h>

// Stands in for the encoder: replays the console output real runs gave
// (status lines end in "\r", messages in "\n") and writes the output file a
// run would. A source named "bad…" can't be read, a cut of 0 seconds is
// empty, and a stopped batch stops it at its next status line. The process
// lookup is the real one.
class TReplayEncoder {
public:
    TEncoderTools Tools();
    QList<TProgramCall> Calls;
    // After every chunk the batch has taken, as a person would act then.
    std::function<void()> AfterChunk;

private:
    std::optional<int> Replay(const TProgramCall& call, const TOutputCallback& callback);
};

// Batches over the job list, shown in a view of a standalone main window,
// through the stand-in encoder (Run) or the real one (RunReal), with short
// pauses and the end choice in End.
class Batch : public ::testing::Test {
protected:
    void SetUp() override {
        Controls.Main = {};
        Controls.Main.Window = &Main;
        Controls.Main.dxTreeSourceFileInfo = &List;
        Timing().BeforeRunMs = 10;
        Timing().AfterRunMs = 10;
        Timing().AfterOutputMs = 100;
        Timing().ProcessPollMs = 20;
        SetProgramEnd([this] { ++ProgramEnds; });
        // Every label the progress window shows while the batch runs.
        Encoder.AfterChunk = [this] {
            if (Labels.isEmpty() || Labels.last() != Form.lblPersent->text())
                Labels << Form.lblPersent->text();
        };
    }
    void TearDown() override { SetProgramEnd({}); }
    // A source file the stand-in never reads.
    QString Placeholder(const QString& name) { return F.Folder.WriteFile("src/" + name); }
    // A row of a placeholder source, cut to its first seconds.
    void AddRow(const QString& name, int seconds = 3) {
        F.AddRow(Placeholder(name), "00:00:00",
                 QString("00:00:%1").arg(seconds, 2, 10, QChar('0')));
    }
    // A real source with video and sound.
    QString Source(const QString& name, double seconds, const QStringList& size = {}) {
        const QString path = F.Folder.MakeFolder("src") + name;
        EXPECT_TRUE(MakeMedia(path, seconds, size + QStringList{"-c:v", "mpeg4", "-c:a", "mp3"}));
        return path;
    }
    void Run() {
        RunJobList(Encoder.Tools(), [this] { return End; });
    }
    void RunReal() {
        CustomProc->RunBatch([this] { return End; });
    }

    TTimingGuard Saved;
    TControlsGuard ControlsGuard;
    TConversionFixture F;
    QWidget Main;
    TJobListView List{F.Jobs, &Main};
    TBatchEnd End;
    TScriptedDialogs Dialogs;
    TRecordingDesktop Desktop;
    TfrmConverting Form;
    TReplayEncoder Encoder;
    QStringList Labels;
    int ProgramEnds = 0;
};
