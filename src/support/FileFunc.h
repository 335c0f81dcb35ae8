#pragma once

#include <QString>
#include <QStringList>

// File-name and folder operations. Folder texts end in "/".
class TFileFunc {
public:
    // The file name without folder and without its last extension; empty
    // for a name without any ".".
    QString FileNameWithoutExt(const QString& path) const;

    // Full paths of the folder's entries, sub-folders and hidden entries
    // included; with a filter (".mp4") only entries of that extension.
    QStringList ListFolderFiles(const QString& folder, const QString& filter) const;

    // The first of name, name_1, name_2 ... that no entry of the path's
    // folder bears as its name without extension, with the path's extension.
    // Names are compared without regard to letter case, so that no existing
    // file is ever replaced.
    QString UniqueOutputPath(const QString& path);

private:
    QString ResolveOutputPath(const QString& path) const;
    QString StartingBaseName;
};

// The folder part of a path: up to and including its last "/".
QString FolderPart(const QString& path);
