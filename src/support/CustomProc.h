#pragma once

#include "support/ProgramCall.h"

#include <QString>

#include <functional>

// What the person asked for at a batch's end: the output folder opened, the
// computer powered off.
struct TBatchEnd {
    bool ShowOutputDirectory = false;
    bool Shutdown = false;
};

// Profiles, command line, preview control and batch driving. Declared once
// here; each operation is defined in the folder of the subsystem it belongs to.
class TCustomProc {
public:
    // ---- Profiles and the options dialog (profiles/)

    // These work on the conversion choice (profiles/ConversionChoice.h),
    // which the main window and the options dialog show.

    // Fills the output-type and profile lists, the eight advanced lists and
    // the custom-profile list (nothing selected there). The fill of one list
    // is in profiles/ProfileChoice.h.
    void FillProfileLists() const;
    // Applies the chosen profile for the chosen output type: a quality's
    // preset (enabling the video lists for video output only), or the custom
    // profile at the same position in the custom-profile list.
    void ApplyProfile() const;
    // Applies the six stored positions of the selected custom profile. A
    // piece that is not a whole number raises EQuenvoError.
    void LoadSelectedCustomProfile() const;
    QString SelectedCustomProfileValue() const;
    // Counts, asks for a name and stores the current settings under it.
    void AddCustomProfile() const;
    // Stores the current settings under the name in the custom-profile field.
    void SaveCustomProfile() const;
    // Removes the profile named in the custom-profile field.
    void DeleteCustomProfile() const;

    // ---- Source folder (profiles/)

    // The folder where the open-files dialog starts: the one remembered in
    // Config/UserSettings.ini, or the home folder.
    QString LoadSourceFolder() const;
    // Remembers the folder of the open-files dialog's file name (the first
    // chosen file, kept across a cancel); nothing when it is empty. A
    // settings file that can't be written raises EQuenvoError.
    void SaveSourceFolder(const QString& dialogFileName) const;

    // ---- Job list (media/)

    // End Time minus Start Time, in seconds, of the last Job row of the path
    // (TJobListModel::RowsOfFile: names compared exactly); 0 when no row
    // matches. A time text that is not made of whole numbers raises
    // EQuenvoError.
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

    // Start Time (a time code) and cut length (whole seconds, decimal) of the
    // job whose command line was built last; empty when no row matched.
    QString JobStartTime;
    QString JobCutSeconds;
    // The clash-free output path of that job.
    QString JobOutputPath;

    // The encoder call for the job of the source path. Its output file is
    // created here, when its name is chosen (JobOutputPath).
    TProgramCall CreateConvertParameter(const QString& sourceFile);
    // The chosen output folder, ending in "/", created on disk.
    QString PrepareOutputFolder();
    // Start Time of the last row of the path; re-applies the selected custom profile.
    QString GetStartTime(const QString& sourceFile);

    // ---- Batch (convert/)

    // The running batch's figures, which TBatch (convert/Batch.h) keeps.
    int CurrentRow = 0;       // row being worked on; set to RowCount by a stop
    int RowCount = 0;         // rows when the batch started
    int OutputCount = 0;      // output chunks of the current job
    TProgramCall CommandLine; // of the current job
    bool BatchRunning = false;
    bool BatchStopped = false;

    // Converts the rows of the job list (media/JobListModel.h) one after the
    // other through the encoder as a child process. The end choice is read
    // when the batch ends, so a tick changed while it ran still counts.
    void RunBatch(const std::function<TBatchEnd()>& endChoice);
    // Marks the running batch as stopped: it ends after the current job.
    void StopBatch();
};
