// A batch of three 20-second jobs with the real pauses: the longest gap
// between ticks of a 10 ms timer on the user-interface thread, the
// program's own CPU while the encoder runs, and each job's time beyond the
// encoder's own, measured beside the same command lines run bare. The
// desktop's services stand on private buses, so every batch also takes its
// sleep lock, moves its launcher progress and sends its notification;
// "--without-desktop" after the number of runs leaves the buses out, for a
// comparison.
#include "BenchApplication.h"
#include "BenchStats.h"

#include "../tests/convert/ConversionFixture.h"
#include "../tests/convert/DesktopStandIns.h"
#include "convert/FrmConverting.h"
#include "support/Globals.h"
#include "support/ProgramCall.h"
#include "support/Timing.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// The children that are no encoder: the private buses' daemons.
std::vector<long> OtherChildren;

// True while this process has a child other than the buses' daemons, that is
// while the encoder runs: the kernel lists the children of the main thread
// in one small file.
bool EncoderRunning() {
    static const std::string path = "/proc/self/task/" + std::to_string(::getpid()) + "/children";
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    char buffer[128];
    const ssize_t got = ::read(fd, buffer, sizeof buffer - 1);
    ::close(fd);
    buffer[std::max<ssize_t>(got, 0)] = 0;
    for (char* next = buffer; *next;) {
        char* end = nullptr;
        const long pid = std::strtol(next, &end, 10);
        if (end == next)
            break;
        if (std::find(OtherChildren.begin(), OtherChildren.end(), pid) == OtherChildren.end())
            return true;
        next = end;
    }
    return false;
}

struct TFigures {
    double LongestGapMs = 0;
    double CpuShare = 0;       // per cent of one core while an encoder runs
    double OverheadPerJob = 0; // seconds beyond the bare encoder's time
    double BatchSeconds = 0;
    double EncoderSeconds = 0;
};

// Stand-ins for logind, the notification server and a dock, each on the
// bus the application finds it on.
struct TStandInDesktop {
    TPrivateBus SessionBus, SystemBus;
    TStandInLogind Logind;
    TStandInNotifications Notifications;
    TLauncherWatch Dock;

    bool Start() {
        if (SessionBus.Address().isEmpty() || SystemBus.Address().isEmpty())
            return false;
        OtherChildren = {long(SessionBus.DaemonId()), long(SystemBus.DaemonId())};
        qputenv("DBUS_SESSION_BUS_ADDRESS", SessionBus.Address().toUtf8());
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", SystemBus.Address().toUtf8());
        return Logind.Offer(SystemBus) && Notifications.Offer(SessionBus) &&
               Dock.Listen(SessionBus);
    }
    // What the desktop has seen so far.
    void Report() {
        QTest::qWait(200); // the last signals on their way
        std::printf("desktop: %lld sleep locks (held now: %s), %lld notifications (last \"%s\"), "
                    "%lld launcher updates\n",
                    qlonglong(Logind.Calls.size()), Logind.Held() ? "yes" : "no",
                    qlonglong(Notifications.Notes.size()),
                    qPrintable(Notifications.Notes.value(Notifications.Notes.size() - 1).Summary),
                    qlonglong(Dock.Updates.size()));
    }
};

// One batch, then its command lines run bare, one after the other.
std::optional<TFigures> MeasureOnce(TConversionFixture& f, TStandInDesktop* desktop) {
    QElapsedTimer clock;
    qint64 lastTick = -1, longestGap = 0;
    // The program's CPU and the wall time while an encoder runs, sampled at
    // every tick; the ticker's own cost counts against the program.
    bool running = false;
    double runStartCpu = 0, runCpu = 0;
    qint64 runStartMs = 0, runMs = 0;
    QList<TProgramCall> calls; // each job's, as the batch started it
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        if (EncoderRunning() != running) {
            running = !running;
            if (running) {
                runStartCpu = OwnCpuSeconds();
                runStartMs = now;
                calls << CustomProc->CommandLine;
            } else {
                runCpu += OwnCpuSeconds() - runStartCpu;
                runMs += now - runStartMs;
            }
        }
        if (lastTick >= 0 && now - lastTick >= 40)
            std::fprintf(stderr, "gap %lld ms at %.2f s, row %d, chunk %d\n", now - lastTick,
                         now / 1000.0, CustomProc->CurrentRow, CustomProc->OutputCount);
        if (lastTick >= 0)
            longestGap = std::max(longestGap, now - lastTick);
        lastTick = now;
    });
    clock.start();
    ticker.start(10);
    CustomProc->RunBatch();
    TFigures figures;
    figures.BatchSeconds = clock.elapsed() / 1000.0;
    ticker.stop();
    if (desktop)
        desktop->Report();

    if (calls.size() < 3)
        return std::nullopt;
    for (const TProgramCall& call : calls) {
        QFile::remove(call.Arguments.last()); // the bare run writes where the batch wrote
        QProcess encoder;
        encoder.setWorkingDirectory(f.AppFolder);
        QElapsedTimer t;
        t.start();
        encoder.start(call.Program, call.Arguments);
        encoder.waitForFinished(-1);
        figures.EncoderSeconds += t.elapsed() / 1000.0;
        QFile::remove(call.Arguments.last());
    }
    figures.LongestGapMs = double(longestGap);
    figures.CpuShare = 100 * runCpu / std::max(0.001, runMs / 1000.0);
    figures.OverheadPerJob = (figures.BatchSeconds - figures.EncoderSeconds) / 3;
    std::printf("run: batch %.2f s, bare %.2f s, gap %lld ms, CPU %.2f %% (%.3f s in %.2f s), "
                "overhead %.3f s (%.3f s beyond the encoder's own span in the batch)\n",
                figures.BatchSeconds, figures.EncoderSeconds, longestGap, figures.CpuShare, runCpu,
                runMs / 1000.0, figures.OverheadPerJob,
                (figures.BatchSeconds - runMs / 1000.0) / 3);
    std::fflush(stdout);
    return figures;
}

} // namespace

int main(int argc, char** argv) {
    TBenchApplication app(argc, argv);
    const int runs = CountArgument(argc, argv, 1, 3);
    TConversionFixture f;
    TScriptedDialogs dialogs;
    TRecordingDesktop recordingDesktop;
    TfrmConverting form;
    std::optional<TStandInDesktop> desktop;
    if (argc > 2 && std::string(argv[2]) == "--without-desktop") {
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/quenvo-bench-session-bus");
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/quenvo-bench-system-bus");
    } else if (!desktop.emplace().Start()) {
        std::fprintf(stderr, "cannot start private message buses with dbus-daemon\n");
        return 2;
    }
    f.Folder.MakeFolder("src");
    for (int i = 1; i <= 3; ++i) {
        const QString path = f.Folder.Path() + QString("src/job%1.avi").arg(i);
        if (!MakeMedia(path, 20, {"-c:v", "mpeg4", "-c:a", "mp3"})) {
            std::fprintf(stderr, "cannot make the sources with ffmpeg\n");
            return 2;
        }
        f.AddRow(path, "00:00:00", "00:00:20");
    }

    std::vector<double> gaps, shares, overheads, ratios;
    for (int run = 0; run < runs; ++run) {
        const auto figures = MeasureOnce(f, desktop ? &*desktop : nullptr);
        if (!figures)
            return 2;
        gaps.push_back(figures->LongestGapMs);
        shares.push_back(figures->CpuShare);
        overheads.push_back(figures->OverheadPerJob);
        ratios.push_back(figures->BatchSeconds / figures->EncoderSeconds);
    }
    const double gap = Median(gaps), share = Median(shares), overhead = Median(overheads);
    std::printf("medians of %d runs:\n", runs);
    std::printf("longest UI gap      %.0f ms   (bar < 50 ms; worst %.0f ms)\n", gap,
                *std::max_element(gaps.begin(), gaps.end()));
    std::printf("own CPU share       %.2f %% of one core (bar < 2 %%)\n", share);
    std::printf("overhead per job    %.3f s   (bar <= 5.05 s; pauses %.1f s)\n", overhead,
                (Timing().BeforeRunMs + Timing().AfterRunMs) / 1000.0);
    std::printf("ratio batch/bare    %.3f\n", Median(ratios));
    return gap < 50 && share < 2 && overhead <= 5.05 ? 0 : 1;
}
