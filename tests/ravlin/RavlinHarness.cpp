#include "RavlinHarness.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>

QString RavlinPath() {
    return BuildAppFolder() + "ravlin";
}

TRavlinRun RunRavlin(const QStringList& args, int timeoutMs) {
    TRavlinRun run;
    run.ExitCode = RunProgram(RavlinPath(), args, &run.Output, timeoutMs);
    return run;
}

bool MakeSource(const QString& path, double seconds, const QStringList& encoding, bool withVideo,
                bool withAudio) {
    const QString length = QString::number(seconds, 'f', 3);
    QStringList args{"-nostdin", "-hide_banner", "-loglevel", "error", "-y"};
    if (withVideo)
        args << "-f"
             << "lavfi"
             << "-i"
             << "testsrc2=size=320x240:rate=25:duration=" + length + ",noise=alls=4:allf=t";
    if (withAudio)
        args << "-f"
             << "lavfi"
             << "-i"
             << "aevalsrc=exprs=0.25*sin(2*PI*440*t)+0.1*(2*random(0)-1)|"
                "0.25*sin(2*PI*660*t)+0.1*(2*random(1)-1):s=44100:d=" +
                    length;
    args << encoding << path;
    return RunProgram("ffmpeg", args) == 0 && QFileInfo(path).size() > 0;
}

double TProbe::Seconds(const QJsonObject& part) const {
    return part.value("duration").toString("-1").toDouble();
}

double TProbe::FrameRate() const {
    const QStringList rate = Video.value("r_frame_rate").toString().split('/');
    return rate.size() == 2 && rate[1].toDouble() > 0 ? rate[0].toDouble() / rate[1].toDouble() : 0;
}

TProbe Probe(const QString& path) {
    TProbe probe;
    QProcess ffprobe;
    ffprobe.start("ffprobe", {"-v", "error", "-show_streams", "-show_format", "-of", "json", path});
    if (!ffprobe.waitForFinished(30000) || ffprobe.exitCode() != 0)
        return probe;
    const QJsonObject root = QJsonDocument::fromJson(ffprobe.readAllStandardOutput()).object();
    probe.Format = root.value("format").toObject();
    for (const QJsonValue& value : root.value("streams").toArray()) {
        const QJsonObject stream = value.toObject();
        const QString kind = stream.value("codec_type").toString();
        if (kind == "video" && probe.Video.isEmpty())
            probe.Video = stream;
        if (kind == "audio" && probe.Audio.isEmpty())
            probe.Audio = stream;
    }
    probe.Readable = !probe.Format.isEmpty();
    return probe;
}

TSoundLevels SoundLevels(const QString& path) {
    QString output;
    RunProgram("ffmpeg",
               {"-nostdin", "-hide_banner", "-i", path, "-af", "astats=measure_perchannel=none",
                "-f", "null", "-"},
               &output);
    auto level = [&](const char* name) {
        const QRegularExpressionMatch match =
            QRegularExpression(QString(name) + R"( level dB: (-?inf|-?[0-9.]+))").match(output);
        return !match.hasMatch()                   ? 1000.0
               : match.captured(1).endsWith("inf") ? -1000.0
                                                   : match.captured(1).toDouble();
    };
    return {level("Peak"), level("RMS")};
}

QStringList VideoCommand(const QString& source, const QString& output, const QString& preset,
                         const QString& timeWindow) {
    return QStringList{"-y", "-i", source, "-vcodec", "mpeg4", "-acodec", "aac"} +
           preset.split(' ', Qt::SkipEmptyParts) + timeWindow.split(' ', Qt::SkipEmptyParts) +
           QStringList{output};
}

QStringList AudioCommand(const QString& source, const QString& output, const QString& codec,
                         const QString& audioPieces, const QString& timeWindow) {
    return QStringList{"-y", "-i", source, "-acodec", codec, "-vn"} +
           audioPieces.split(' ', Qt::SkipEmptyParts) + timeWindow.split(' ', Qt::SkipEmptyParts) +
           QStringList{output};
}
