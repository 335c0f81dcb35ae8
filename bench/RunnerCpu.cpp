// The encoder runner's own CPU use while a child runs, as a share of one
// core, beside an event-driven QProcess reader of the same child. The
// child's CPU is not counted: only this process's user and system time.
//
//   runner_cpu_bench [seconds per run, default 10] [runs, default 3]

#include "BenchStats.h"

#include "convert/AdvanceSystem.h"
#include "support/Globals.h"
#include "support/ProgramCall.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QWidget>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

const QString Child = QStringLiteral(CHATTY_CHILD);

// Percent of one core that run() took of this process while it lasted.
double CoreShare(const std::function<void()>& run) {
    QElapsedTimer wall;
    const double cpuBefore = OwnCpuSeconds();
    wall.start();
    run();
    const double wallSeconds = wall.nsecsElapsed() / 1e9;
    return 100.0 * (OwnCpuSeconds() - cpuBefore) / wallSeconds;
}

void RunWithRunner(const QStringList& actions) {
    TAdvanceSystem runner;
    qsizetype received = 0;
    runner.RunAndCapture({Child, actions}, [&](const QString& text) { received += text.size(); });
}

void RunWithQProcess(const QStringList& actions) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    QEventLoop loop;
    qsizetype received = 0;
    QObject::connect(&process, &QProcess::readyRead, [&] { received += process.readAll().size(); });
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    process.start(Child, actions);
    loop.exec();
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    CreateGlobalObjects();
    const int seconds = CountArgument(argc, argv, 1, 10);
    const int runs = CountArgument(argc, argv, 2, 3);
    // A window to serve, as in the application.
    QWidget window;
    window.resize(300, 200);
    window.show();

    struct TScenario {
        const char* Name;
        QStringList Actions;
    };
    const TScenario scenarios[] = {
        {"silent child", {QString("sleep:%1").arg(seconds * 1000)}},
        {"status line every 100 ms", {QString("every:100:%1").arg(seconds * 10)}},
    };
    std::printf("runner CPU as %% of one core, %d runs of %d s each, medians\n", runs, seconds);
    std::printf("%-26s %14s %14s %8s  %s\n", "scenario", "RunAndCapture", "QProcess", "ratio",
                "bar 2%");
    bool allPass = true;
    for (const TScenario& scenario : scenarios) {
        std::vector<double> ours, reference;
        for (int run = 0; run < runs; ++run) {
            ours.push_back(CoreShare([&] { RunWithRunner(scenario.Actions); }));
            reference.push_back(CoreShare([&] { RunWithQProcess(scenario.Actions); }));
        }
        const double mine = Median(ours), theirs = Median(reference);
        const bool pass = mine <= 2.0;
        allPass = allPass && pass;
        std::printf("%-26s %13.3f%% %13.3f%% %8.2f  %s\n", scenario.Name, mine, theirs,
                    theirs > 0 ? mine / theirs : 0.0, pass ? "pass" : "FAIL");
        std::fflush(stdout);
    }
    return allPass ? 0 : 1;
}
