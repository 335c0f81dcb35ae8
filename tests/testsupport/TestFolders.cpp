#include "testsupport/TestFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {
const char* const PrivateMountsVariable = "QUENVO_TEST_PRIVATE_MOUNTS";
}

TTestFolder::TTestFolder() : Dir(QDir::tempPath() + "/quenvo-test-XXXXXX") {}

QString TTestFolder::Path() const {
    return Dir.path() + "/";
}

QString TTestFolder::WriteFile(const QString& relative, const QByteArray& content) const {
    const QString path = Path() + relative;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
    return path;
}

QString TTestFolder::MakeFolder(const QString& relative) const {
    const QString path = Path() + relative;
    QDir().mkpath(path);
    return path.endsWith('/') ? path : path + "/";
}

QString BuildAppFolder() {
    return QStringLiteral(QUENVO_APP_DIR "/");
}

QStringList LogMessages(const QString& folder, const QString& containing) {
    QFile log(folder + "log.txt");
    QStringList messages;
    if (!log.open(QIODevice::ReadOnly))
        return messages;
    for (const QString& line : QString::fromUtf8(log.readAll()).split("\r\n", Qt::SkipEmptyParts))
        if (line.contains(containing))
            messages << line.mid(line.indexOf('|') + 1);
    return messages;
}

int RunProgram(const QString& program, const QStringList& args, QString* output, int timeoutMs) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, args);
    if (!process.waitForStarted(10000))
        return -1;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    if (output)
        *output = QString::fromUtf8(process.readAll());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

bool MakeMedia(const QString& path, double seconds, const QStringList& ffmpegArgs, bool withVideo,
               bool withAudio) {
    const QString length = QString::number(seconds, 'f', 3);
    QStringList args{"-nostdin", "-hide_banner", "-loglevel", "error", "-y"};
    if (withVideo)
        args += {"-f", "lavfi", "-i", "testsrc=size=320x240:rate=25:duration=" + length};
    if (withAudio)
        args += {"-f", "lavfi", "-i", "sine=frequency=440:sample_rate=44100:duration=" + length};
    args << ffmpegArgs << path;
    return RunProgram("ffmpeg", args) == 0 && QFileInfo(path).size() > 0;
}

bool HasPrivateMounts() {
    return qEnvironmentVariableIsSet(PrivateMountsVariable);
}

int RunTestWithPrivateMounts(QString* output) {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    QStringList args{"--mount"};
    // Without root, a user namespace lends the rights to mount.
    if (geteuid() != 0)
        args << "--map-root-user";
    args << "--"
         << "env" << QString(PrivateMountsVariable) + "=1"
         << QCoreApplication::applicationFilePath()
         << QString("--gtest_filter=%1.%2").arg(test->test_suite_name(), test->name());
    return RunProgram("unshare", args, output);
}

TReadOnlyMount::TReadOnlyMount(const QString& folder) : Folder(QFile::encodeName(folder)) {
    if (!HasPrivateMounts())
        return;
    Bound = mount(Folder.constData(), Folder.constData(), nullptr, MS_BIND, nullptr) == 0;
    // The remount keeps the flags the folder's file system has: in a user
    // namespace they can't be dropped.
    struct statvfs fs {};
    if (!Bound || statvfs(Folder.constData(), &fs) != 0)
        return;
    unsigned long flags = MS_REMOUNT | MS_BIND | MS_RDONLY;
    const std::pair<unsigned long, unsigned long> kept[] = {
        {ST_NOSUID, MS_NOSUID},   {ST_NODEV, MS_NODEV},           {ST_NOEXEC, MS_NOEXEC},
        {ST_NOATIME, MS_NOATIME}, {ST_NODIRATIME, MS_NODIRATIME}, {ST_RELATIME, MS_RELATIME}};
    for (const auto& [has, keep] : kept)
        if (fs.f_flag & has)
            flags |= keep;
    Remounted = mount(nullptr, Folder.constData(), nullptr, flags, nullptr) == 0;
}

TReadOnlyMount::~TReadOnlyMount() {
    if (Bound)
        umount2(Folder.constData(), MNT_DETACH);
}
