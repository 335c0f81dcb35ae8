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

    // ---- Job list (media/)

    // End Time minus Start Time, in seconds, of the last job row whose file
    // name equals path ignoring letter case; 0 when no row matches. A time
    // text that is not made of whole numbers raises EQuenvoError.
    int CutSeconds(const QString& path) const;

    // ---- Preview playback (media/)
    // True after a successful start or resume, false after pause or stop.
    bool Playing = false;
    // Loads the file into the preview graph and starts it; a file that
    // doesn't render completely is logged and nothing plays.
    void OpenAndPlay(const QString& path);
    void ResumePlayback();
    void PausePlayback();
    // Stops and unloads the preview, resets the position display.
    void StopPlayback();

    // ---- Command line (convert/)

    // ---- Batch (convert/)
};
