#include "support/AppFunc.h"

#include "support/Errors.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QLocale>

namespace {
QString& folderOverride() {
    static QString folder;
    return folder;
}
} // namespace

QString TAppFunc::ApplicationFolder() const {
    QString folder = folderOverride();
    if (folder.isEmpty())
        folder = QCoreApplication::applicationDirPath();
    if (!folder.endsWith('/'))
        folder += '/';
    return folder;
}

void TAppFunc::OverrideApplicationFolder(const QString& folder) { folderOverride() = folder; }

void TAppFunc::WriteLog(const QString& message) const {
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale = QLocale::system();
    const QString line = "Orvane Soft " + locale.toString(now.date(), QLocale::ShortFormat) + " " +
                         now.time().toString("HH:mm:ss") + "|" + message + "\r\n";
    const QString path = ApplicationFolder() + "log.txt";
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        throw EQuenvoError("Cannot open file \"" + path + "\". " + file.errorString());
    const QByteArray bytes = line.toUtf8();
    if (file.write(bytes) != bytes.size() || !file.flush())
        throw EQuenvoError("Cannot write file \"" + path + "\". " + file.errorString());
}
