#include "media/MediaSamples.h"

#include "testsupport/TestFolders.h"

#include <QFile>
#include <QFileInfo>

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

bool MakeUndecodableVideoAvi(const QString& path, double seconds) {
    if (!MakeMedia(path, seconds, {"-c:v", "mpeg4", "-c:a", "mp2"}))
        return false;
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
