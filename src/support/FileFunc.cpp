#include "support/FileFunc.h"

#include "support/Globals.h"

#include <QDir>

QString FolderPart(const QString& path) {
    return path.left(path.lastIndexOf('/') + 1);
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
    return ResolveOutputPath(path);
}

QString TFileFunc::ResolveOutputPath(const QString& path) const {
    const QString folder = FolderPart(path);
    const QString fileName = path.mid(folder.size());
    const qsizetype dot = fileName.lastIndexOf('.');
    const QString ext = dot >= 0 ? fileName.mid(dot) : QString();
    QString name = FileNameWithoutExt(path);

    QStringList taken;
    for (const QString& entry : ListFolderFiles(folder, QString()))
        taken << FileNameWithoutExt(entry);

    while (taken.contains(name, Qt::CaseInsensitive)) {
        if (name == StartingBaseName) {
            name += "_1";
        } else {
            const qsizetype underscore = name.lastIndexOf('_');
            const qlonglong number = StrFunc->TextAfterLast(name, "_").toLongLong();
            name = name.left(underscore + 1) + QString::number(number + 1);
        }
    }
    return folder + name + ext;
}
