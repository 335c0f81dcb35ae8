#include "FuzzFiles.h"

#include "FuzzCheck.h"

#include <QFile>
#include <QTemporaryDir>

QString WriteFuzzFile(const QString& name, const uint8_t* data, size_t size) {
    static const QTemporaryDir folder;
    FuzzCheck(folder.isValid(), "a temporary folder can be made");
    const QString path = folder.filePath(name);
    QFile file(path);
    const auto bytes = qint64(size);
    FuzzCheck(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                  file.write(reinterpret_cast<const char*>(data), bytes) == bytes,
              "the input can be written to a file");
    return path;
}
