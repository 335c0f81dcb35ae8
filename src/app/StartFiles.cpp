#include "app/StartFiles.h"

#include <QFileInfo>
#include <QUrl>

namespace {

bool IsFile(const QString& path) {
    return QFileInfo(path).isFile();
}

} // namespace

QStringList StartFiles(const QStringList& words) {
    QStringList files;
    for (const QString& word : words) {
        if (word.isEmpty() || word.startsWith('-'))
            continue;
        const QString path = QFileInfo(word).absoluteFilePath();
        if (IsFile(path))
            files << path;
    }
    return files;
}

QStringList FileUris(const QStringList& files) {
    QStringList uris;
    for (const QString& file : files)
        uris << QUrl::fromLocalFile(file).toString(QUrl::FullyEncoded);
    return uris;
}

QStringList FilesOfUris(const QStringList& uris) {
    QStringList files;
    for (const QString& uri : uris) {
        const QUrl url(uri);
        if (url.isLocalFile() && IsFile(url.toLocalFile()))
            files << url.toLocalFile();
    }
    return files;
}
