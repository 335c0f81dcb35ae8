#pragma once

#include <QString>
#include <QStringList>

class QWidget;

enum class TMsgIcon { None, Error, Warning, Question, Information };
enum class TMsgButtons { Ok, YesNo, YesNoCancel };

// Button codes as the system reports them.
enum TMsgResult { mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

// Every modal question, message and file or folder prompt of the system goes
// through this one interface, so tests can script the answers and record the
// texts. Production uses the Qt dialogs.
class TDialogs {
public:
    virtual ~TDialogs() = default;

    // A modal box with the caption, text, icon and buttons given; returns
    // the TMsgResult of the button pressed.
    virtual int MessageBox(const QString& caption, const QString& text, TMsgIcon icon,
                           TMsgButtons buttons) = 0;

    // A one-line prompt. text holds the prefilled value (shown all selected)
    // and receives the edited one; returns false for Cancel.
    virtual bool InputText(const QString& caption, const QString& prompt, QString& text,
                           int maxLength) = 0;

    // The multi-select open dialog. filters are "Shown text (patterns)"
    // entries, of which the list shows the text alone, the first
    // preselected; returns the chosen paths in the order
    // the dialog reports them, empty when cancelled.
    virtual QStringList OpenFiles(const QString& initialFolder, const QStringList& filters) = 0;

    // The folder browser. folder holds the preselected folder (may be empty)
    // and receives the chosen one; returns false when cancelled.
    virtual bool ChooseFolder(const QString& title, QString& folder) = 0;
};

// The dialogs in use; production's Qt implementation unless replaced.
TDialogs& Dialogs();

// Replaces the dialogs (tests); nullptr restores the Qt ones. The caller
// keeps ownership. Gives the replacement in use before.
TDialogs* SetDialogs(TDialogs* dialogs);

// The window that owns modal boxes: the active window, or the main window.
QWidget* DialogOwner();
