#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

#include <sys/types.h>

class QComboBox;
class QTreeWidget;
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
