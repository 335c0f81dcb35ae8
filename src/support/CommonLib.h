#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

#include <sys/types.h>

class QComboBox;
class QTreeWidget;

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


    // ---- Output folder (profiles/)

    // The output folder at every start: "quenvo" in the home folder.
    static QString DefaultOutputFolder();
    // Lets the user browse for a writable output folder; gives the chosen
    // one, or the current one, and creates it when it is missing.
    QString SelectOutputFolder(const QString& current) const;


    // ---- Custom profile files (profiles/)

    // fileName is relative to the Config folder of the application folder.
    QStringList ReadConfigSections(const QString& fileName) const;
    // The value of key name in section name, or an empty text.
    QString ReadConfigValue(const QString& fileName, const QString& name) const;


    // ---- Main window frame (app/)


};

// A modal box captioned "Quenvo" with the information icon; kind 1 OK,
// 2 Yes and No, 3 Yes, No and Cancel. Returns the code of the button pressed.
int ShowInfoMessage(const QString& message, int kind);

// The application title, the caption of every box.
inline const char* const ApplicationTitle = "Quenvo";
