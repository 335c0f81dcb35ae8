#include "media/MediaSamples.h"

#include "testsupport/TestFolders.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

QStringList SampleOptions(const QString& extension) {
    if (extension == ".3gp" || extension == ".3g2")
        return {"-c:v", "mpeg4", "-c:a", "aac", "-ac", "1", "-ar", "22050"};
    if (extension == ".rm" || extension == ".rmvb")
        return {"-f", "rm"};
    if (extension == ".mpeg" || extension == ".mpg")
        return {"-f", "mpeg"};
    if (extension == ".vob")
        return {"-f", "vob"};
    if (extension == ".m4v")
        return {"-f", "mp4"};
    return {};
}

bool MakeSample(const QString& path, double seconds) {
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf('.');
    return MakeMedia(path, seconds, SampleOptions(dot < 0 ? QString() : name.mid(dot).toLower()));
}

namespace {

// Renames the video codec of an AVI made with MPEG-4 video to an unknown one.
bool HideVideoCodec(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    // The stream header and the bitmap header both carry the FourCC.
    QByteArray header = file.read(8192);
    if (!header.contains("FMP4"))
        return false;
    header.replace("FMP4", "QZX9");
    file.seek(0);
    return file.write(header) == header.size();
}

} // namespace

bool MakeUndecodableVideoAvi(const QString& path, double seconds) {
    return MakeMedia(path, seconds, {"-c:v", "mpeg4", "-c:a", "mp2"}) && HideVideoCodec(path);
}

bool MakeUndecodableOnlyAvi(const QString& path, double seconds) {
    return MakeMedia(path, seconds, {"-c:v", "mpeg4"}, true, false) && HideVideoCodec(path);
}

QStringList LateClockMpegOptions() {
    return {"-f",  "mpeg", "-c:v",  "mpeg2video",        "-b:v", "1500k", "-c:a",
            "mp2", "-ar",  "44100", "-output_ts_offset", "10"};
}

bool JoinFiles(const QStringList& parts, const QString& path) {
    QFile joined(path);
    if (!joined.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    for (const QString& part : parts) {
        QFile file(part);
        if (!file.open(QIODevice::ReadOnly) || joined.write(file.readAll()) != file.size())
            return false;
    }
    return true;
}

bool SetDisplayMatrix(const QString& mp4, const std::array<int, 4>& matrix) {
    QFile file(mp4);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    QByteArray bytes = file.readAll();
    int patched = 0;
    for (qsizetype at = bytes.indexOf("tkhd"); at >= 4; at = bytes.indexOf("tkhd", at + 4)) {
        // After the box's size and name: version and flags, the times, the
        // track id and duration (wider in version 1), then 16 bytes of layer,
        // group and volume, then the matrix of nine numbers and the size.
        const qsizetype box = at - 4;
        const qsizetype matrixAt = box + 12 + (bytes[at + 4] == 1 ? 32 : 20) + 16;
        if (matrixAt + 44 > bytes.size())
            break;
        if (qFromBigEndian<quint32>(bytes.constData() + matrixAt + 36) == 0)
            continue; // a sound track has no width
        const qint32 values[9] = {
            matrix[0] << 16, matrix[1] << 16, 0, matrix[2] << 16, matrix[3] << 16, 0, 0, 0,
            1 << 30};
        for (int i = 0; i < 9; ++i)
            qToBigEndian<qint32>(values[i], bytes.data() + matrixAt + 4 * i);
        ++patched;
    }
    return patched > 0 && file.seek(0) && file.write(bytes) == bytes.size();
}

QString WritePlaylist(const QString& path, const QString& target) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write("#EXTM3U\n#EXT-X-TARGETDURATION:4\n#EXTINF:4.0,\n" + target.toUtf8() +
               "\n#EXT-X-ENDLIST\n");
    return path;
}
