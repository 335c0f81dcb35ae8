#include "RavlinHarness.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>

#include <cstdlib>

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

TPictures Pictures(const QString& path, const QString& filters) {
    TPictures pictures;
    const QString shrink = "scale=64:48:flags=area,format=gray";
    QProcess ffmpeg;
    ffmpeg.start("ffmpeg", {"-nostdin", "-v", "error", "-i", path, "-map", "0:v:0", "-vf",
                            filters.isEmpty() ? shrink : filters + "," + shrink, "-fps_mode",
                            "passthrough", "-f", "rawvideo", "-"});
    if (!ffmpeg.waitForFinished(60000) || ffmpeg.exitCode() != 0)
        return pictures;
    const QByteArray bytes = ffmpeg.readAllStandardOutput();
    constexpr int Size = 64 * 48;
    for (qsizetype at = 0; at + Size <= bytes.size(); at += Size)
        pictures.Frames << bytes.mid(at, Size);

    QProcess ffprobe;
    ffprobe.start("ffprobe",
                  {"-v", "error", "-select_streams", "v:0", "-show_entries",
                   "frame=best_effort_timestamp_time:format=start_time", "-of", "json", path});
    if (!ffprobe.waitForFinished(60000) || ffprobe.exitCode() != 0)
        return pictures;
    const QJsonObject root = QJsonDocument::fromJson(ffprobe.readAllStandardOutput()).object();
    for (const QJsonValue& frame : root.value("frames").toArray())
        pictures.Seconds
            << frame.toObject().value("best_effort_timestamp_time").toString().toDouble();
    pictures.Start = root.value("format").toObject().value("start_time").toString().toDouble();
    return pictures;
}

double PictureDifference(const QByteArray& a, const QByteArray& b) {
    if (a.size() != b.size() || a.isEmpty())
        return 255;
    double sum = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        sum += std::abs(static_cast<uchar>(a[i]) - static_cast<uchar>(b[i]));
    return sum / static_cast<double>(a.size());
}

qsizetype MostLike(const QByteArray& picture, const QList<QByteArray>& pictures) {
    qsizetype best = -1;
    double least = 256;
    for (qsizetype i = 0; i < pictures.size(); ++i)
        if (const double difference = PictureDifference(picture, pictures[i]); difference < least) {
            least = difference;
            best = i;
        }
    return best;
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
