// While a 640x480 file plays in the preview: the program's CPU share and the
// longest gap of a 10 ms timer on the window thread, side by side with the
// same window idle. Prints medians of several rounds and their ratio.
#include "BenchStats.h"

#include "media/JobListModel.h"
#include "media/JobListView.h"
#include "media/PreviewArea.h"
#include "media/TrimBar.h"
#include "media/VideoWindow.h"
#include "support/Controls.h"
#include "support/Globals.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct TRound {
    double CpuShare;
    qint64 LongestGapMs;
};

// Serves the event loop for ms while a 10 ms timer notes its longest gap.
TRound Measure(int ms) {
    QElapsedTimer clock, wall;
    qint64 longest = 0, last = 0;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        longest = std::max(longest, now - last);
        last = now;
    });
    const double cpu = OwnCpuSeconds();
    clock.start();
    wall.start();
    ticker.start(10);
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    return {(OwnCpuSeconds() - cpu) / (wall.elapsed() / 1000.0), longest};
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    CreateGlobalObjects();
    const int rounds = 5, roundMs = 2000;
    QTemporaryDir dir;
    const QString clip = dir.path() + "/clip.mp4";
    if (QProcess::execute("ffmpeg", {"-nostdin", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                                     "testsrc=size=640x480:rate=25:duration=60", "-f", "lavfi",
                                     "-i", "sine=frequency=440:duration=60", "-c:v", "mpeg4",
                                     "-q:v", "4", "-c:a", "aac", clip}) != 0)
        return 1;
    TPreviewGraph::AudioOutput = qEnvironmentVariable("QUENVO_BENCH_AO", "null");

    QWidget window;
    window.resize(300, 420);
    auto* media = new QWidget(&window);
    media->setGeometry(14, 15, 260, 158);
    auto* video = new TVideoWindow(media);
    video->setGeometry(2, 2, 256, 154);
    auto* logo = new QLabel("logo", media);
    logo->setGeometry(2, 2, 256, 154);
    auto* bar = new TTrimBar(&window);
    bar->move(15, 174);
    bar->SetPictures(QPixmap(":/art/trim_outside.png"), QPixmap(":/art/trim_inside.png"));
    bar->SetMarkerPictures(QImage(":/art/marker_start.png"), QImage(":/art/marker_end.png"));
    auto* time = new QLabel("00:00:00", &window);
    time->setGeometry(15, 200, 80, 17);
    auto* progress = new QProgressBar(&window);
    progress->setGeometry(15, 220, 260, 10);
    TJobListModel jobs;
    JobListModel = &jobs;
    auto* list = new TJobListView(jobs, &window);
    list->setGeometry(0, 240, 300, 180);
    jobs.AddRow({"True", clip, "1 MB", "00:01:00", "00:00:12", "00:00:45", "00:00:33"});
    list->setCurrentIndex(jobs.index(0, 1));
    Controls.Main.dxTreeSourceFileInfo = list;
    Controls.Main.pnlCurTime = time;
    Controls.Main.pbPlayState = progress;
    Controls.Main.panLogo = logo;
    TPreviewArea area(video, bar);
    window.show();

    std::vector<double> idleCpu, playCpu;
    std::vector<qint64> idleGap, playGap;
    for (int i = 0; i < rounds; ++i) {
        const TRound idle = Measure(roundMs);
        idleCpu.push_back(idle.CpuShare);
        idleGap.push_back(idle.LongestGapMs);
    }
    area.Selection.actDxTreeListOnClickExecute();
    area.Playback.dxTreeSourceFileInfoDblClick();
    for (int i = 0; i < rounds; ++i) {
        const TRound play = Measure(roundMs);
        playCpu.push_back(play.CpuShare);
        playGap.push_back(play.LongestGapMs);
    }
    const double idleC = Median(idleCpu), playC = Median(playCpu);
    std::printf("rounds %d x %d ms\n", rounds, roundMs);
    std::printf(
        "idle window    : CPU %5.1f %% of one core, longest 10 ms timer gap %lld ms (median)\n",
        idleC * 100, static_cast<long long>(Median(idleGap)));
    std::printf(
        "preview 640x480: CPU %5.1f %% of one core, longest 10 ms timer gap %lld ms (median), "
        "worst gap %lld ms\n",
        playC * 100, static_cast<long long>(Median(playGap)),
        static_cast<long long>(*std::max_element(playGap.begin(), playGap.end())));
    std::printf("ratio playing/idle CPU: %.1f; bars: CPU < 30 %%, gap < 50 ms\n",
                idleC > 0 ? playC / idleC : 0.0);
    if (qEnvironmentVariableIsSet("QUENVO_BENCH_HOLD"))
        Measure(qEnvironmentVariableIntValue("QUENVO_BENCH_HOLD"));
    return 0;
}
