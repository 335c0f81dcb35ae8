#include "support/FileFunc.h"

#include "support/Globals.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The longest file name, in bytes, that the folder's file system takes.
qsizetype NameLimit(const QString& folder) {
    const long limit = ::pathconf(QFile::encodeName(folder.isEmpty() ? "." : folder), _PC_NAME_MAX);
    return limit > 0 ? limit : NAME_MAX;
}

// base + suffix + ext, the base cut at its end, a character at a time,
// until the whole name fits into limit bytes.
QString FittedName(QString base, const QString& suffix, const QString& ext, qsizetype limit) {
    while (!base.isEmpty() && QFile::encodeName(base + suffix + ext).size() > limit) {
        base.chop(1);
        if (!base.isEmpty() && base.back().isHighSurrogate())
            base.chop(1);
    }
    return base + suffix + ext;
}

enum class TCreated { Yes, Taken, Impossible };

TCreated CreateExclusively(const QString& path, dev_t& device, ino_t& inode) {
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0)
        return errno == EEXIST ? TCreated::Taken : TCreated::Impossible;
    struct stat info {};
    ::fstat(fd, &info);
    device = info.st_dev;
    inode = info.st_ino;
    ::close(fd);
    return TCreated::Yes;
}

} // namespace

QString FolderPart(const QString& path) {
    return path.left(path.lastIndexOf('/') + 1);
}

QString HomeFolder() {
    QString home = qEnvironmentVariable("HOME");
    if (!QDir::isAbsolutePath(home)) {
        const passwd* user = ::getpwuid(::getuid());
        home = user && user->pw_dir ? QFile::decodeName(user->pw_dir) : QString();
    }
    home = QDir::isAbsolutePath(home) ? QDir::cleanPath(home) : QStringLiteral("/");
    return home.endsWith('/') ? home : home + '/';
}

bool IsFaithfulFileName(const QString& path) {
    return !path.contains(QChar::ReplacementCharacter);
}

QString TFileFunc::FileNameWithoutExt(const QString& path) const {
    const QString name = path.mid(path.lastIndexOf('/') + 1);
    const QString ext = StrFunc->TextAfterLast(name, ".");
    const qsizetype keep = name.size() - ext.size() - 1;
    return keep > 0 ? name.left(keep) : QString();
}

QStringList TFileFunc::ListFolderFiles(const QString& folder, const QString& filter) const {
    QStringList result;
    QDir dir(folder);
    if (!dir.exists())
        return result;
    const QStringList names = dir.entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
    for (const QString& name : names) {
        if (!filter.isEmpty()) {
            const qsizetype dot = name.lastIndexOf('.');
            if (dot < 0 || name.mid(dot) != filter)
                continue;
        }
        result << folder + name;
    }
    return result;
}

QString TFileFunc::UniqueOutputPath(const QString& path) {
    StartingBaseName = FileNameWithoutExt(path);
    Reserved = {};
    const QString folder = FolderPart(path);
    const QString fileName = path.mid(folder.size());
    const qsizetype dot = fileName.lastIndexOf('.');
    const QString ext = dot >= 0 ? fileName.mid(dot) : QString();
    const qsizetype limit = NameLimit(folder);

    QStringList taken;
    for (const QString& entry : ListFolderFiles(folder, QString()))
        taken << FileNameWithoutExt(entry);

    // name, name_1, name_2 ...: each number follows the starting base name.
    for (qlonglong number = 0;; ++number) {
        const QString suffix = number == 0 ? QString() : "_" + QString::number(number);
        const QString candidate = FittedName(StartingBaseName, suffix, ext, limit);
        if (taken.contains(FileNameWithoutExt(candidate), Qt::CaseInsensitive))
            continue;
        switch (CreateExclusively(folder + candidate, Reserved.Device, Reserved.Inode)) {
        case TCreated::Taken:
            continue;
        case TCreated::Yes:
        case TCreated::Impossible:
            return folder + candidate;
        }
    }
}

bool TFileFunc::DiscardReservedOutput(const QString& path) {
    struct stat info {};
    const QByteArray name = QFile::encodeName(path);
    const bool ours = Reserved.Inode != 0 && ::lstat(name.constData(), &info) == 0 &&
                      S_ISREG(info.st_mode) && info.st_dev == Reserved.Device &&
                      info.st_ino == Reserved.Inode;
    Reserved = {};
    return ours && ::unlink(name.constData()) == 0;
}
