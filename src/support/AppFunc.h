#pragma once

#include <QString>

// Where the user's own files live: the Config folder and the folder of
// log.txt, both ending in "/".
struct TUserFolders {
    QString Config;
    QString Log;
    bool Portable = true; // beside the executable
};

// The log writer, the application folder and the user's files.
class TAppFunc {
public:
    // The folder of the running executable, ending in "/".
    QString ApplicationFolder() const;

    // The one place that knows where the user's files live. A folder the user
    // may write (a build tree, a copy in the home folder) keeps Config and
    // log.txt beside the executable; an installed one leaves them in the
    // user's XDG folders, quenvo/Config/ in the configuration home and
    // quenvo/ in the state home.
    TUserFolders UserFolders() const;

    // Start-up: an installed program has no other way to get its two XDG
    // folders, so they are made when missing. A folder that can't be made
    // is left to fail on the first write, as a missing Config folder does.
    // Beside the executable nothing is created.
    void CreateUserFolders() const;

    // Appends one dated line to log.txt in the user's log folder, its
    // control characters written as escapes ("\n", "\x1b" ...). A log
    // that can't be written raises EQuenvoError.
    void WriteLog(const QString& message) const;

    // Tests run as a program in another folder; this makes them use a
    // temporary application folder. An empty text restores the real one.
    // Gives the folder overridden before.
    static QString OverrideApplicationFolder(const QString& folder);
};
