// Probing speed of the job list against one ffprobe process per file, and
// the memory of a list of 1,000 rows. Run by hand; see bench/README.md.
#include "BenchApplication.h"
#include "BenchStats.h"

#include "media/JobList.h"
#include "media/JobListModel.h"
#include "media/JobListView.h"
#include "support/Dialogs.h"
#include "support/Globals.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

// Counts boxes instead of showing them: a probe that fails shows up here.
class TCountingDialogs final : public TDialogs {
public:
    int Boxes = 0;
    int MessageBox(const QString&, const QString&, TMsgIcon, TMsgButtons) override {
        ++Boxes;
        return mrOk;
    }
    bool InputText(const QString&, const QString&, QString&, int) override { return false; }
    QStringList OpenFiles(const QString&, const QStringList&) override { return {}; }
    bool ChooseFolder(const QString&, QString&) override { return false; }
};

bool Run(const QString& program, const QStringList& args) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, args);
    return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

// count copies of short clips in five containers; the Flash file tells no
// duration of its own, so its packets are read.
QStringList MakeSources(const QString& folder, int count) {
    const QStringList types{".mp4", ".avi", ".mov", ".flv", ".swf"};
    for (const QString& type : types)
        if (!Run("ffmpeg", {"-nostdin", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                            "testsrc=size=320x240:rate=25:duration=2", "-f", "lavfi", "-i",
                            "sine=duration=2", folder + "sample" + type}))
            return {};
    QStringList names;
    for (int i = 0; i < count; ++i) {
        const QString type = types[i % types.size()];
        const QString name = folder + QString("clip%1").arg(i, 4, 10, QChar('0')) + type;
        QFile::copy(folder + "sample" + type, name);
        names << name;
    }
    return names;
}

qint64 StatusKb(const char* key) {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(qstrlen(key)).trimmed().split(' ').first().toLongLong();
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    TBenchApplication app(argc, argv);
    TCountingDialogs dialogs;
    SetDialogs(&dialogs);
    const int rounds = CountArgument(argc, argv, 1, 3);

    QTemporaryDir dir(QDir::tempPath() + "/quenvo-bench-XXXXXX");
    const QString folder = dir.path() + "/";
    const QStringList names = MakeSources(folder, 1000);
    if (names.isEmpty()) {
        std::fprintf(stderr, "could not make the sample files with ffmpeg\n");
        return 1;
    }
    const QStringList batch = names.mid(0, 200);

    QList<double> listRates, probeRates;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer clock;
        {
            TJobListModel jobs;
            TJobListView list(jobs);
            clock.start();
            AddSourceFiles(jobs, batch);
            listRates << batch.size() * 1000.0 / std::max<qint64>(1, clock.elapsed());
            if (jobs.rowCount() != batch.size())
                std::fprintf(stderr, "only %d rows added\n", jobs.rowCount());
        }
        clock.start();
        for (const QString& name : batch)
            if (!Run("ffprobe", {"-v", "error", "-show_format", name}))
                std::fprintf(stderr, "ffprobe failed on %s\n", qPrintable(name));
        probeRates << batch.size() * 1000.0 / std::max<qint64>(1, clock.elapsed());
        std::printf("round %d: AddSourceFiles %.1f files/s, ffprobe %.1f files/s\n", round + 1,
                    listRates.last(), probeRates.last());
    }
    const double listRate = Median(listRates), probeRate = Median(probeRates);
    std::printf("median of %d rounds, %lld files each:\n", rounds, qlonglong(batch.size()));
    std::printf("  AddSourceFiles   %8.1f files/s\n", listRate);
    std::printf("  ffprobe process  %8.1f files/s\n", probeRate);
    std::printf("  ratio            %8.1fx (bar: at least 5x)\n", listRate / probeRate);

    TJobListModel jobs;
    TJobListView list(jobs);
    list.resize(557, 158);
    list.show();
    AddSourceFiles(jobs, names);
    QApplication::processEvents();
    std::printf("list of %d rows: resident %lld KB, peak %lld KB (bar: under 120 MB)\n",
                jobs.rowCount(), StatusKb("VmRSS:"), StatusKb("VmHWM:"));
    if (dialogs.Boxes)
        std::printf("warning boxes: %d\n", dialogs.Boxes);
    SetDialogs(nullptr);
    return 0;
}
