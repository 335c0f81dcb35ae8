#pragma once

#include <QString>

class QTreeWidget;

// Profiles, command line, preview control and batch driving. Declared once
// here; each operation is defined in the folder of the subsystem it belongs to.
class TCustomProc {
public:
    TCustomProc();

    // ---- Profiles and the options dialog (profiles/)

    // ---- Source folder (profiles/)

    // The folder where the open-files dialog starts: the one remembered in
    // Config/UserSettings.ini, or the home folder.
    QString LoadSourceFolder() const;
    // Remembers the folder of the open-files dialog's file name (the first
    // chosen file, kept across a cancel); nothing when it is empty. A
    // settings file that can't be written raises EQuenvoError.
    void SaveSourceFolder(const QString& dialogFileName) const;


    // ---- Job list (media/)

    // End Time minus Start Time, in seconds, of the last job row whose file
    // name equals path ignoring letter case; 0 when no row matches. A time
    // text that is not made of whole numbers raises EQuenvoError.
    int CutSeconds(const QString& path) const;

    // ---- Preview playback (media/)

    // ---- Command line (convert/)

    // ---- Batch (convert/)
};
