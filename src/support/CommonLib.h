#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <chrono>
#include <sys/types.h>

// General operations shared by the subsystems. Declared once here; each
// operation is defined in the folder of the subsystem it belongs to.
class TCommonLib {
public:
    // ---- Text, numbers, time codes and messages (support/CommonLib.cpp)

    // Pieces of the text between separators; a trailing separator adds no
    // empty piece, an empty text gives no piece.
    QStringList SplitText(const QString& text, QChar separator) const;
    // A number read leniently out of a text that may carry other characters.
    // A number text that can't be converted raises EQuenvoError.
    double ParseNumber(const QString& text) const;
    QString FormatFileSize(qint64 bytes) const;
    QString FormatTimeCode(qint64 seconds) const;
    // A modal box with OK, captioned "Quenvo"; kind 0 error, 1 warning,
    // 2 question, 3 information icon (support/DialogHelpers.cpp, which
    // needs the windows).
    bool ShowMessageBox(const QString& message, int kind) const;

    // ---- Encoder processes (convert/)
    // Names are executable file names compared without regard to letter
    // case. Only the encoders this program started are looked at and
    // signalled (ProcessSnapshot).

    // The id of the last running process of that name in the process list,
    // or 0; then "Get Process id error." goes to the log.
    pid_t GetProcessIdByName(const QString& exeName);
    // Signals every process of that name: SIGTERM, and SIGKILL only once
    // Timing().KillGraceMs have passed since its first SIGTERM, so that an
    // encoder has the time to close its file. True when the last attempt
    // succeeded; otherwise, or when nothing matched, "Terminate process
    // error." goes to the log.
    bool TerminateProcessByName(const QString& exeName);
    // Returns once no process of the path's file name and none named
    // "ravlin" is left, trying every Timing().ProcessPollMs while serving
    // window events. Gives up on a name after StopAttemptLimit attempts,
    // well past the grace before SIGKILL: only a process that resists even
    // SIGKILL survives that long.
    void StopEncoder(const QString& path);
    static constexpr int StopAttemptLimit = 50;
    // Nothing to enable on this platform; both report success.
    bool EnableDebugPrivilege();
    bool SetPrivilege(int token, const QString& privilegeName, bool enable);
    // When each process still running got its first SIGTERM.
    QHash<pid_t, std::chrono::steady_clock::time_point> TerminateAttempted;

    // ---- Conversion command-line pieces (convert/)

    // The pieces of one encoder command line. Each option piece begins with
    // a space, ready to be appended.
    struct TConvertParameterStruct {
        QString EncoderPath;
        QString SourceFile;
        QString CodecParam;
        QString VideoBitrateParam;
        QString VideoSizeParam;
        QString FrameRateParam;
        QString AspectParam;
        QString SpareParam; // never set, never on a command line
        QString AudioBitrateParam;
        QString VolumeParam;
        QString ChannelsParam;
        QString SampleRateParam;
        QString FormatParam;
        QString TimeParam;
        QString OutputFolder;
        QString OutputName;
        QString OutputExt;
    };
    // The job being converted, as its command line was last built.
    TConvertParameterStruct ConvertParams;

    // Pieces read from the output-type tables at the output-type index.
    QString GetCodecParam(int outputType) const;
    QString GetFormatParam(int outputType) const;
    QString GetOutputExt(int outputType) const;
    // Pieces made of an option list's entry text; an empty entry (a list
    // without a selection) gives the fallback piece.
    QString GetVideoBitrateParam(const QString& entry) const;
    QString GetVideoSizeParam(const QString& entry) const;
    QString GetFrameRateParam(const QString& entry) const;
    QString GetAspectParam(const QString& entry) const;
    QString GetAudioBitrateParam(const QString& entry) const;
    QString GetVolumeParam(const QString& entry) const;
    QString GetChannelsParam(const QString& entry) const;
    QString GetSampleRateParam(const QString& entry) const;

    // End of a batch.
    void ShowNoFilesMessage() const;
    void OpenFolderInExplorer(const QString& folder) const;
    void ShutdownComputer() const;
    bool EnableShutdownPrivilege() const;
    bool PowerOff() const;

    // ---- Job list (media/; the operations on the list widget are in
    // media/JobList.h)

    // The file's size in bytes; a file that can't be opened for reading
    // raises EQuenvoError.
    qint64 ReadFileSize(const QString& path) const;

    // ---- Preview (media/; the seek is in media/PreviewPlayback.h)
    // The file loaded into the preview graph; empty when none.
    QString CurrentFile;

    // ---- Output folder (profiles/)

    // The output folder at every start: "quenvo" in the home folder.
    static QString DefaultOutputFolder();
    // Lets the user browse for a writable output folder; gives the chosen
    // one, or the current one, and creates it when it is missing.
    QString SelectOutputFolder(const QString& current) const;

    // ---- Custom profile files (profiles/)

    // fileName is relative to the user's Config folder.
    QStringList ReadConfigSections(const QString& fileName) const;
    // The value of key name in section name, or an empty text.
    QString ReadConfigValue(const QString& fileName, const QString& name) const;

    // ---- Main window frame (app/)

    // Gives freed heap memory back to the system, then lets pending window
    // events run once; the main window calls it every second.
    void TrimWorkingSet() const;
};

// The application title, the caption of every box.
inline const char* const ApplicationTitle = "Quenvo";
