// A batch of three 20-second jobs with the real pauses: the longest gap
// between ticks of a 10 ms timer on the user-interface thread, the
// program's own CPU while the encoder runs, and each job's time beyond the
// encoder's own, measured beside the same command lines run bare.
#include "BenchStats.h"

#include "../tests/convert/ConversionFixture.h"
#include "convert/FrmConverting.h"
#include "convert/ProgramCall.h"
#include "support/Globals.h"
#include "support/Timing.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TConversionFixture f;
    TScriptedDialogs dialogs;
    TRecordingDesktop desktop;
    TfrmConverting form;
    for (int i = 1; i <= 3; ++i) {
        const QString path = f.Folder.Path() + QString("src/job%1.avi").arg(i);
        f.Folder.MakeFolder("src");
        if (!MakeMedia(path, 20, {"-c:v", "mpeg4", "-c:a", "mp3"})) {
            std::fprintf(stderr, "cannot make the sources with ffmpeg\n");
            return 2;
        }
        f.AddRow(path, "00:00:00", "00:00:20");
    }

    QElapsedTimer clock;
    qint64 lastTick = -1, longestGap = 0;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        if (lastTick >= 0 && now - lastTick >= 40)
            std::fprintf(stderr, "gap %lld ms at %.2f s, row %d, chunk %d\n", now - lastTick,
                         now / 1000.0, CustomProc->CurrentRow, CustomProc->OutputCount);
        if (lastTick >= 0)
            longestGap = std::max(longestGap, now - lastTick);
        lastTick = now;
    });
    clock.start();
    ticker.start(10);
    const double cpuBefore = OwnCpuSeconds();
    CustomProc->RunBatch(f.Jobs);
    const double cpu = OwnCpuSeconds() - cpuBefore;
    const double batchSeconds = clock.elapsed() / 1000.0;
    ticker.stop();

    // The same command lines run bare, one after the other.
    std::vector<double> bare;
    for (const QString& line : f.LogLines("parameter: ")) {
        const auto call = ParseCommandLine(line.mid(11), f.AppFolder);
        if (!call)
            return 2;
        QProcess encoder;
        encoder.setWorkingDirectory(f.AppFolder);
        QElapsedTimer t;
        t.start();
        encoder.start(call->Program, call->Arguments);
        encoder.waitForFinished(-1);
        bare.push_back(t.elapsed() / 1000.0);
    }
    if (bare.size() != 3)
        return 2;
    const double encoderSeconds = bare[0] + bare[1] + bare[2];
    const double pauses = 3 * (Timing().BeforeRunMs + Timing().AfterRunMs) / 1000.0;
    const double overhead = (batchSeconds - encoderSeconds) / 3;
    // Upper bound: the pauses' own CPU is counted against the encoder's time.
    const double cpuShare = 100 * cpu / std::max(0.001, batchSeconds - pauses);

    std::printf("batch %.2f s, bare encoder runs %.2f / %.2f / %.2f s (median %.2f)\n",
                batchSeconds, bare[0], bare[1], bare[2], Median(bare));
    std::printf("longest UI gap      %lld ms   (bar < 50 ms)\n", longestGap);
    std::printf("own CPU share       %.2f %% of one core (bar < 2 %%)\n", cpuShare);
    std::printf("overhead per job    %.3f s   (bar <= 5.05 s; pauses %.1f s)\n", overhead,
                pauses / 3);
    std::printf("ratio batch/bare    %.3f\n", batchSeconds / encoderSeconds);
    const bool ok = longestGap < 50 && cpuShare < 2 && overhead <= 5.05;
    return ok ? 0 : 1;
}
