#pragma once

#include "ConversionFixture.h"
#include "convert/FrmConverting.h"
#include "convert/ProgramEnd.h"
#include "support/Globals.h"
#include "support/Timing.h"

#include <QLabel>
#include <QSet>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

// Real batches through the encoder, with short pauses.
class Batch : public ::testing::Test {
protected:
    void SetUp() override {
        Timing().BeforeRunMs = 50;
        Timing().AfterRunMs = 50;
        Timing().AfterOutputMs = 100;
        Timing().ProcessPollMs = 20;
        SetProgramEnd([this] { ++ProgramEnds; });
        // Every label the progress window shows while the batch runs.
        connect(&Watch, [this] { Labels << Form.lblPersent->text(); });
    }
    void TearDown() override { SetProgramEnd({}); }
    void connect(QTimer* timer, std::function<void()> f) {
        QObject::connect(timer, &QTimer::timeout, f);
        timer->start(10);
    }
    QString Source(const QString& name, double seconds = 3) {
        const QString path = F.Folder.Path() + "src/" + name;
        F.Folder.MakeFolder("src");
        EXPECT_TRUE(MakeMedia(path, seconds, {"-c:v", "mpeg4", "-c:a", "mp3"}));
        return path;
    }
    void Run() { CustomProc->RunBatch(); }

    // type, size and duration of an output as ffprobe reports them
    static QString Probe(const QString& path) {
        QString out;
        RunProgram("ffprobe",
                   {"-v", "error", "-show_entries",
                    "format=format_name,duration:stream=codec_type,width,height", "-of",
                    "default=nw=1", path},
                   &out);
        return out;
    }

    TTimingGuard Saved;
    TConversionFixture F;
    TScriptedDialogs Dialogs;
    TRecordingDesktop Desktop;
    TfrmConverting Form;
    QTimer Watch;
    QSet<QString> Labels;
    int ProgramEnds = 0;
};
