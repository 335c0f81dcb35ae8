#pragma once

#include <QString>
#include <QStringList>

#include <sys/types.h>

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
    // file is ever replaced. The name part is shortened where the whole name
    // would pass the file system's limit. The file is created empty at once,
    // exclusively: a name that another program (a second window) took
    // meanwhile, or that exists in a folder that can't be listed, is passed
    // over for the next one. Where nothing can be created there (a missing
    // or read-only folder) the name is given all the same, and the writer
    // fails on it.
    QString UniqueOutputPath(const QString& path);

    // Removes the file the last UniqueOutputPath created, if it still is
    // that file (nobody put another in its place); true when removed.
    bool DiscardReservedOutput(const QString& path);

private:
    QString StartingBaseName;
    struct TFileId {
        dev_t Device = 0;
        ino_t Inode = 0;
    };
    TFileId Reserved;
};

// The folder part of a path: up to and including its last "/".
QString FolderPart(const QString& path);

// The user's home folder, ending in "/": HOME when it is an absolute
// path, else the one the user database gives. A relative HOME would name
// one folder for this program and another for the encoder, which runs in
// the application folder.
QString HomeFolder();

// Whether a file name read from the system (a dialog, a drop) is the name
// of the file itself. A name that isn't valid UTF-8 reaches us with its
// bad bytes replaced by U+FFFD, which may spell another file's name.
bool IsFaithfulFileName(const QString& path);
