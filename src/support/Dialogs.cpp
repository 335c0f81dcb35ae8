#include "support/Dialogs.h"
#include "support/Seam.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QWidget>

namespace {

// A box's text with a break opportunity (an invisible zero-width space)
// between the characters of every long run without a blank: a long file
// name then wraps inside the box instead of running past its edge.
QString Wrappable(const QString& text) {
    constexpr qsizetype LongRun = 40;
    QString result;
    qsizetype runStart = 0;
    const auto flush = [&](qsizetype end) {
        const QString part = text.mid(runStart, end - runStart);
        if (part.size() <= LongRun) {
            result += part;
            return;
        }
        for (qsizetype i = 0; i < part.size(); ++i) {
            result += part[i];
            const bool joined =
                i + 1 < part.size() && (part[i + 1].isLowSurrogate() || part[i + 1].isMark());
            if (!joined && i + 1 < part.size())
                result += QChar(0x200B);
        }
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isSpace()) {
            flush(i);
            result += text[i];
            runStart = i + 1;
        }
    }
    flush(text.size());
    return result;
}

class TQtDialogs final : public TDialogs {
public:
    int MessageBox(const QString& caption, const QString& text, TMsgIcon icon,
                   TMsgButtons buttons) override {
        QMessageBox box(DialogOwner());
        box.setWindowTitle(caption);
        box.setText(Wrappable(text));
        box.setIcon(ToQtIcon(icon));
        switch (buttons) {
        case TMsgButtons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case TMsgButtons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        case TMsgButtons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
        }
        switch (box.exec()) {
        case QMessageBox::Yes:
            return mrYes;
        case QMessageBox::No:
            return mrNo;
        case QMessageBox::Cancel:
            return mrCancel;
        default:
            return buttons == TMsgButtons::Ok ? mrOk : mrCancel;
        }
    }

    bool InputText(const QString& caption, const QString& prompt, QString& text,
                   int maxLength) override {
        QInputDialog dialog(DialogOwner());
        dialog.setWindowTitle(caption);
        dialog.setLabelText(prompt);
        dialog.setInputMode(QInputDialog::TextInput);
        dialog.setTextValue(text);
        if (auto* edit = dialog.findChild<QLineEdit*>()) {
            edit->setMaxLength(maxLength);
            edit->selectAll();
        }
        if (dialog.exec() != QDialog::Accepted)
            return false;
        text = dialog.textValue();
        return true;
    }

    QStringList OpenFiles(const QString& initialFolder, const QStringList& filters) override {
        QFileDialog dialog(DialogOwner());
        dialog.setFileMode(QFileDialog::ExistingFiles);
        dialog.setOption(QFileDialog::ReadOnly, false);
        // The entries read as their shown texts, which carry parentheses of
        // their own; a desktop's dialog would cut them at the first one.
        dialog.setOption(QFileDialog::HideNameFilterDetails);
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setDirectory(initialFolder);
        dialog.setNameFilters(filters);
        if (!filters.isEmpty())
            dialog.selectNameFilter(filters.first());
        if (dialog.exec() != QDialog::Accepted)
            return {};
        return dialog.selectedFiles();
    }

    bool ChooseFolder(const QString& title, QString& folder) override {
        const QString chosen = QFileDialog::getExistingDirectory(DialogOwner(), title, folder);
        if (chosen.isEmpty())
            return false;
        folder = chosen;
        return true;
    }

private:
    static QMessageBox::Icon ToQtIcon(TMsgIcon icon) {
        switch (icon) {
        case TMsgIcon::Error:
            return QMessageBox::Critical;
        case TMsgIcon::Warning:
            return QMessageBox::Warning;
        case TMsgIcon::Question:
            return QMessageBox::Question;
        case TMsgIcon::Information:
            return QMessageBox::Information;
        case TMsgIcon::None:
            break;
        }
        return QMessageBox::NoIcon;
    }
};

TQtDialogs qtDialogs;
TSeam<TDialogs> dialogsSeam(qtDialogs);

} // namespace

TDialogs& Dialogs() {
    return dialogsSeam.Get();
}

TDialogs* SetDialogs(TDialogs* dialogs) {
    return dialogsSeam.Set(dialogs);
}

QWidget* DialogOwner() {
    if (QWidget* active = QApplication::activeWindow())
        return active;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible() && top->parentWidget() == nullptr)
            return top;
    return nullptr;
}
