#pragma once

#include "support/Dialogs.h"
#include "testsupport/WindowGuards.h"

#include <QList>
#include <QStringList>

#include <functional>

// Dialogs that answer from a script and record what they were asked. They
// stand in for the dialogs in use while they live.
class TScriptedDialogs final : public TDialogs {
public:
    struct TShown {
        QString Caption;
        QString Text;
        TMsgIcon Icon;
        TMsgButtons Buttons;
    };

    // Answers queued for message boxes (mrYes, mrNo ...); with none queued a
    // box answers OK, or No for a question.
    QList<int> Answers;
    // Answers for input prompts: the text to give back, or an empty
    // optional-like marker via InputCancels.
    QStringList InputAnswers;
    QList<bool> InputCancels;
    // Answers for the open dialog and the folder browser; an empty entry cancels.
    QList<QStringList> OpenAnswers;
    QStringList FolderAnswers;
    // Runs while a message box "shows", for tests that act inside a modal box.
    std::function<void(const TShown&)> OnMessage;

    // What was shown.
    QList<TShown> Messages;
    QStringList Prompts;        // prompt texts of input prompts
    QStringList PromptDefaults; // their prefilled texts
    QStringList OpenFolders;    // initial folders of open dialogs
    QList<QStringList> OpenFilters;
    QStringList FolderTitles;

    QStringList MessageTexts() const;

    int MessageBox(const QString& caption, const QString& text, TMsgIcon icon,
                   TMsgButtons buttons) override;
    bool InputText(const QString& caption, const QString& prompt, QString& text,
                   int maxLength) override;
    QStringList OpenFiles(const QString& initialFolder, const QStringList& filters) override;
    bool ChooseFolder(const QString& title, QString& folder) override;

private:
    TDialogsGuard Installed{this};
};
