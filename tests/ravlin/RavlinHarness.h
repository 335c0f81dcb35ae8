#pragma once

#include "testsupport/TestFolders.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

// The ravlin program of the build tree and its outcome.
struct TRavlinRun {
    int ExitCode = -1;
    QString Output; // standard output and error together
};
TRavlinRun RunRavlin(const QStringList& args, int timeoutMs = 60000);
QString RavlinPath();

// A sample source: a moving, slightly noisy test picture (320x240, 25 fps) and a
// stereo tone with some noise (44100 Hz), encoded with the given ffmpeg arguments.
// Either part can be left out. Returns false when ffmpeg could not make it.
bool MakeSource(const QString& path, double seconds, const QStringList& encoding,
                bool withVideo = true, bool withAudio = true);

// What ffprobe tells of a file: the first video and the first audio stream
// (empty objects when there is none) and the format.
struct TProbe {
    bool Readable = false;
    QJsonObject Video, Audio, Format;
    double Seconds(const QJsonObject& part) const;
    double FrameRate() const; // of the video stream
};
TProbe Probe(const QString& path);

// The pictures of a file's first video stream, in the order they show, as
// small grey images of equal size after the given filters (libavfilter
// syntax, may be empty), and their time stamps in seconds: the file's
// own, unchanged.
struct TPictures {
    QList<QByteArray> Frames;
    QList<double> Seconds;
    // The file's start as its container tells it.
    double Start = 0;
};
TPictures Pictures(const QString& path, const QString& filters = {});
// The mean difference of two grey images per pixel, 0 to 255.
double PictureDifference(const QByteArray& a, const QByteArray& b);
// The index of the picture in the list that is most like the given one.
qsizetype MostLike(const QByteArray& picture, const QList<QByteArray>& pictures);

// Levels of the sound in dBFS as ffmpeg measures them on the decoded floats,
// so that a peak beyond full scale shows; 1000 when they could not be measured.
struct TSoundLevels {
    double Peak = 1000, Rms = 1000;
};
TSoundLevels SoundLevels(const QString& path);

// The video form of the converter's command line, as the builder joins it.
QStringList VideoCommand(const QString& source, const QString& output, const QString& preset,
                         const QString& timeWindow = "-ss 00:00:00 -t 95");
// The sound form: codec options, then the audio pieces.
QStringList AudioCommand(const QString& source, const QString& output, const QString& codec,
                         const QString& audioPieces,
                         const QString& timeWindow = "-ss 00:00:00 -t 95");
