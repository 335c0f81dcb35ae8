#include "support/AppFunc.h"

#include "support/Errors.h"
#include "support/FileFunc.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace {
QString& folderOverride() {
    static QString folder;
    return folder;
}

// An XDG base folder: the variable's value when it is an absolute path (the
// only kind the base directory rules accept), else its default in the home
// folder.
QString XdgFolder(const char* variable, const QString& homeDefault) {
    const QString value = qEnvironmentVariable(variable);
    const QString folder = QDir::isAbsolutePath(value) ? value : HomeFolder() + homeDefault;
    return QDir::cleanPath(folder) + "/";
}

// Whether the application folder is the user's own to write. The system's
// folders never are, not even for root, who could write them: files left
// there would outlive the package that owns the folder.
bool IsPortable(const QString& appFolder) {
    if (appFolder.startsWith("/usr/"))
        return false;
    return faccessat(AT_FDCWD, QFile::encodeName(appFolder).constData(), W_OK, AT_EACCESS) == 0;
}

// A message as one line: control characters (a file name may hold line
// breaks) are written as escapes, so no message can split its line or
// forge another.
QString OneLine(const QString& message) {
    QString line;
    line.reserve(message.size());
    for (const QChar c : message) {
        const char16_t code = c.unicode();
        if (code == '\n')
            line += "\\n";
        else if (code == '\r')
            line += "\\r";
        else if (code == '\t')
            line += "\\t";
        else if (code < 0x20 || (code >= 0x7F && code < 0xA0))
            line += QString("\\x%1").arg(uint(code), 2, 16, QChar('0'));
        else if (code == 0x2028 || code == 0x2029)
            line += QString("\\u%1").arg(uint(code), 4, 16, QChar('0'));
        else
            line += c;
    }
    return line;
}

// Makes a folder and its missing parents, open to their owner only, as the
// base directory rules ask.
bool MakePrivatePath(const QString& folder) {
    const QString path = QDir::cleanPath(folder);
    if (QFileInfo(path).isDir())
        return true;
    const QString parent = QFileInfo(path).path();
    if (parent == path || !MakePrivatePath(parent))
        return false;
    return QDir().mkdir(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
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

QString TAppFunc::OverrideApplicationFolder(const QString& folder) {
    return std::exchange(folderOverride(), folder);
}

TUserFolders TAppFunc::UserFolders() const {
    const QString appFolder = ApplicationFolder();
    if (IsPortable(appFolder))
        return {appFolder + "Config/", appFolder, true};
    return {XdgFolder("XDG_CONFIG_HOME", ".config") + "quenvo/Config/",
            XdgFolder("XDG_STATE_HOME", ".local/state") + "quenvo/", false};
}

void TAppFunc::CreateUserFolders() const {
    const TUserFolders folders = UserFolders();
    if (folders.Portable)
        return;
    MakePrivatePath(folders.Config);
    MakePrivatePath(folders.Log);
}

void TAppFunc::WriteLog(const QString& message) const {
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale = QLocale::system();
    const QString line = "Orvane Soft " + locale.toString(now.date(), QLocale::ShortFormat) + " " +
                         now.time().toString("HH:mm:ss") + "|" + OneLine(message) + "\r\n";
    const QString path = UserFolders().Log + "log.txt";
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        throw EQuenvoError("Cannot open file \"" + path + "\". " + file.errorString());
    const QByteArray bytes = line.toUtf8();
    if (file.write(bytes) != bytes.size() || !file.flush())
        throw EQuenvoError("Cannot write file \"" + path + "\". " + file.errorString());
}
