#pragma once

#include <QString>

// The log writer and the application folder.
class TAppFunc {
public:
    // The folder of the running executable, ending in "/".
    QString ApplicationFolder() const;

    // Appends one dated line to log.txt in the application folder. A log
    // that can't be written raises EQuenvoError.
    void WriteLog(const QString& message) const;

    // Tests run as a program in another folder; this makes them use a
    // temporary application folder. An empty text restores the real one.
    static void OverrideApplicationFolder(const QString& folder);
};
