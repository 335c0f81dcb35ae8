#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

#include <sys/types.h>

class QComboBox;
class QTreeWidget;
class TMediaGraph;
class TOpenSourceDialog;
class TPreviewGraph;

// General operations shared by the subsystems. Declared once here; each
// operation is defined in the folder of the subsystem it belongs to.
class TCommonLib {
public:
    TCommonLib();

    // The application folder recorded at creation, ending in "/".
    QString AppFolder;

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
    // 2 question, 3 information icon.
    bool ShowMessageBox(const QString& message, int kind) const;

    // ---- Encoder processes (convert/)

    // ---- Conversion command-line pieces (convert/)

    // ---- Job list (media/)

    // Shows the open dialog starting in initialFolder; the chosen full paths
    // in the dialog's order (only the first of repeated paths when
    // removeDuplicates is set), empty when it was cancelled.
    QStringList ChooseSourceFiles(TOpenSourceDialog& dialog, bool removeDuplicates,
                                  const QString& initialFolder) const;
    // Appends a Job row for each name that is not listed yet, carries a
    // source extension and lasts at least one second. Names already listed
    // or of another type are skipped silently; a file whose duration or size
    // can't be read gets a warning box of its own. One probe graph serves
    // the whole call.
    void AddSourceFiles(QTreeWidget* list, const QStringList& names) const;
    // The same with the probe graph given (tests use their own graph).
    void AddSourceFiles(QTreeWidget* list, const QStringList& names, TMediaGraph& graph) const;
    // The file's duration in whole seconds; 0 when it can't be read.
    int ProbeDuration(const QString& path, TMediaGraph& graph) const;
    // The file's size in bytes; a file that can't be opened for reading
    // raises EQuenvoError.
    qint64 ReadFileSize(const QString& path) const;
    // Deletes the selected rows; the row above the focused one, if it
    // survives, gets the focus and the selection.
    void RemoveSelectedJobs(QTreeWidget* list) const;
    // Deletes every row; false when that failed.
    bool ClearJobs(QTreeWidget* list) const;

    // ---- Preview (media/)
    // The file loaded into the preview graph; empty when none.
    QString CurrentFile;
    // Absolute position in milliseconds; raises EQuenvoError when the graph
    // is missing or not active.
    void SeekPreview(TPreviewGraph* graph, qint64 milliseconds);

    // ---- Output folder (profiles/)

    // ---- Custom profile files (profiles/)

    // ---- Main window frame (app/)
};

// A modal box captioned "Quenvo" with the information icon; kind 1 OK,
// 2 Yes and No, 3 Yes, No and Cancel. Returns the code of the button pressed.
int ShowInfoMessage(const QString& message, int kind);

// The application title, the caption of every box.
inline const char* const ApplicationTitle = "Quenvo";
