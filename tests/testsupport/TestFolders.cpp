#include "testsupport/TestFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

TTestFolder::TTestFolder() : Dir(QDir::tempPath() + "/quenvo-test-XXXXXX") {}

QString TTestFolder::Path() const { return Dir.path() + "/"; }

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

QString BuildAppFolder() { return QStringLiteral(QUENVO_APP_DIR "/"); }

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

bool MakeMedia(const QString& path, double seconds, const QStringList& ffmpegArgs,
               bool withVideo, bool withAudio) {
    const QString length = QString::number(seconds, 'f', 3);
    QStringList args{"-nostdin", "-hide_banner", "-loglevel", "error", "-y"};
    if (withVideo)
        args << "-f" << "lavfi" << "-i" << "testsrc=size=320x240:rate=25:duration=" + length;
    if (withAudio)
        args << "-f" << "lavfi" << "-i" << "sine=frequency=440:sample_rate=44100:duration=" + length;
    args << ffmpegArgs << path;
    return RunProgram("ffmpeg", args) == 0 && QFileInfo(path).size() > 0;
}
