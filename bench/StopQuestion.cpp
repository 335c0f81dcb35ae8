// The program's own CPU while the stop question is open: Stop is clicked
// as a 40-second 1080p job starts, and the real question box stays open
// while the encoder goes on, and for 3 s after it has ended. Beside it, as the
// reference, the same box over the idle progress window with no batch.
//
//   stop_question_bench [runs, default 3]
#include "BenchApplication.h"
#include "BenchStats.h"

#include "../tests/convert/ConversionFixture.h"
#include "convert/FrmConverting.h"
#include "support/Globals.h"
#include "support/PictureButton.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <poll.h>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr int AfterEndMs = 3000;

struct TSpan {
    double Cpu = 0;
    double Wall = 0;
    double Share() const { return Wall > 0 ? 100 * Cpu / Wall : 0; }
};

double WallSeconds() {
    static QElapsedTimer clock;
    if (!clock.isValid())
        clock.start();
    return clock.nsecsElapsed() / 1e9;
}

// The id of this process's child, the encoder; 0 when there is none.
pid_t EncoderChild() {
    QFile children(QString("/proc/self/task/%1/children").arg(::getpid()));
    if (!children.open(QIODevice::ReadOnly))
        return 0;
    return pid_t(children.readAll().split(' ').value(0).trimmed().toInt());
}

QString LoadAverage() {
    QFile file("/proc/loadavg");
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).section(' ', 0, 2)
                                          : "?";
}

// Answers the open question box with No, from the event loop of the box.
void AnswerNo() {
    QMetaObject::invokeMethod(
        qApp,
        [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                QTest::mouseClick(box->button(QMessageBox::No), Qt::LeftButton);
        },
        Qt::QueuedConnection);
}

// Watches the encoder from a thread of its own, which sleeps in poll(): the
// spans of own CPU while it runs with the box open, and in the 3 s after
// its end. Then the box is answered.
struct TWatch {
    TSpan Running, Ended;
    std::thread Thread;

    void Start(pid_t encoder) {
        const double cpu0 = OwnCpuSeconds(), wall0 = WallSeconds();
        const int endFd = int(::syscall(SYS_pidfd_open, encoder, 0));
        Thread = std::thread([=, this] {
            if (endFd >= 0) {
                pollfd fd{endFd, POLLIN, 0};
                ::poll(&fd, 1, -1);
                ::close(endFd);
            }
            const double cpu1 = OwnCpuSeconds(), wall1 = WallSeconds();
            Running = {cpu1 - cpu0, wall1 - wall0};
            std::this_thread::sleep_for(std::chrono::milliseconds(AfterEndMs));
            Ended = {OwnCpuSeconds() - cpu1, WallSeconds() - wall1};
            AnswerNo();
        });
    }
    void Join() {
        if (Thread.joinable())
            Thread.join();
    }
};

// One batch of the job, with the question opened by a click on Stop once
// the encoder has written its first words.
bool MeasureInBatch(TfrmConverting& form, TWatch& watch) {
    bool asked = false;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        if (asked || CustomProc->OutputCount < 1)
            return;
        const pid_t encoder = EncoderChild();
        if (encoder == 0)
            return;
        asked = true;
        ticker.stop(); // nothing of the benchmark's own runs while the box is open
        QTimer::singleShot(0, [&watch, encoder] { watch.Start(encoder); });
        QTest::mouseClick(form.btnStop, Qt::LeftButton);
    });
    ticker.start(10);
    CustomProc->RunBatch();
    watch.Join();
    return asked;
}

// The same box over the progress window with no batch running.
TSpan MeasureIdle(TfrmConverting& form) {
    form.show();
    TSpan span;
    QTimer::singleShot(0, [&] {
        const double cpu0 = OwnCpuSeconds(), wall0 = WallSeconds();
        QTimer::singleShot(AfterEndMs, [&, cpu0, wall0] {
            span = {OwnCpuSeconds() - cpu0, WallSeconds() - wall0};
            AnswerNo();
        });
    });
    QMessageBox::question(&form, "Quenvo", "Are you sure you want to stop the work ? ");
    form.hide();
    return span;
}

} // namespace

int main(int argc, char** argv) {
    TBenchApplication app(argc, argv);
    const int runs = CountArgument(argc, argv, 1, 3);
    TConversionFixture f;
    TRecordingDesktop desktop;
    TfrmConverting form;
    const QString source = f.Folder.WriteFile("src/full_hd.avi");
    if (RunProgram("ffmpeg", {"-nostdin", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                              "testsrc=size=1920x1080:rate=25:duration=40", "-f", "lavfi", "-i",
                              "sine=duration=40", "-c:v", "mpeg4", "-q:v", "4", "-c:a", "mp3",
                              source}) != 0) {
        std::fprintf(stderr, "cannot make the source with ffmpeg\n");
        return 2;
    }
    f.AddRow(source, "00:00:00", "00:00:40");
    std::printf("load average at start: %s\n", qPrintable(LoadAverage()));

    std::vector<double> running, ended, idle;
    for (int run = 0; run < runs; ++run) {
        TWatch watch;
        if (!MeasureInBatch(form, watch)) {
            std::fprintf(stderr, "the encoder ended before the question could open\n");
            return 2;
        }
        const TSpan reference = MeasureIdle(form);
        running.push_back(watch.Running.Share());
        ended.push_back(watch.Ended.Share());
        idle.push_back(reference.Share());
        std::printf("run %d: encoder running %.2f %% (%.3f s CPU in %.2f s), ended %.2f %% "
                    "(%.3f s in %.2f s), idle box %.2f %%\n",
                    run + 1, watch.Running.Share(), watch.Running.Cpu, watch.Running.Wall,
                    watch.Ended.Share(), watch.Ended.Cpu, watch.Ended.Wall, reference.Share());
        std::fflush(stdout);
    }
    const double whileRunning = Median(running), afterEnd = Median(ended), reference = Median(idle);
    std::printf("medians of %d runs, own CPU as %% of one core while the stop question is open:\n",
                runs);
    std::printf("encoder running     %.2f %%   (bar <= 1 %%)\n", whileRunning);
    std::printf("encoder ended       %.2f %%   (bar <= 1 %%)\n", afterEnd);
    std::printf("idle box (reference) %.2f %%; ratios %.2f and %.2f\n", reference,
                reference > 0 ? whileRunning / reference : 0.0,
                reference > 0 ? afterEnd / reference : 0.0);
    std::printf("load average at end: %s\n", qPrintable(LoadAverage()));
    return whileRunning <= 1 && afterEnd <= 1 ? 0 : 1;
}
