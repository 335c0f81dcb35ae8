#include "testsupport/ScriptedDialogs.h"

QStringList TScriptedDialogs::MessageTexts() const {
    QStringList texts;
    for (const TShown& shown : Messages)
        texts << shown.Text;
    return texts;
}

int TScriptedDialogs::MessageBox(const QString& caption, const QString& text, TMsgIcon icon,
                                 TMsgButtons buttons) {
    const TShown shown{caption, text, icon, buttons};
    Messages << shown;
    if (OnMessage)
        OnMessage(shown);
    if (!Answers.isEmpty())
        return Answers.takeFirst();
    return buttons == TMsgButtons::Ok ? mrOk : mrNo;
}

bool TScriptedDialogs::InputText(const QString&, const QString& prompt, QString& text,
                                 int maxLength) {
    Prompts << prompt;
    PromptDefaults << text;
    const bool cancel = !InputCancels.isEmpty() && InputCancels.takeFirst();
    if (cancel)
        return false;
    if (!InputAnswers.isEmpty())
        text = InputAnswers.takeFirst().left(maxLength);
    return true;
}

QStringList TScriptedDialogs::OpenFiles(const QString& initialFolder, const QStringList& filters) {
    OpenFolders << initialFolder;
    OpenFilters << filters;
    return OpenAnswers.isEmpty() ? QStringList() : OpenAnswers.takeFirst();
}

bool TScriptedDialogs::ChooseFolder(const QString& title, QString& folder) {
    FolderTitles << title;
    if (FolderAnswers.isEmpty())
        return false;
    const QString answer = FolderAnswers.takeFirst();
    if (answer.isEmpty())
        return false;
    folder = answer;
    return true;
}
