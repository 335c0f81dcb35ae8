#include "app/AboutBox.h"
#include "app/FrmMainForm.h"
#include "app/ProductInfo.h"
#include "app/QuenvoApplication.h"
#include "app/ShellTestSupport.h"
#include "support/Errors.h"
#include "support/PictureButton.h"
#include "testsupport/ScriptedDialogs.h"
#include "testsupport/TestFolders.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>

#include <gtest/gtest.h>

TEST(TopLevelErrors, TextGetsAFinalPointOnlyAfterCharactersSortingAfterIt) {
    const std::pair<QString, QString> cases[] = {
        {"Cannot open file", "Cannot open file."},
        {"Value 5", "Value 5."}, // '5' sorts after '.'
        {"Done.", "Done."},      // already ends in '.'
        {"Failed!", "Failed!"},  // '!' sorts before '.'
        {"In (brackets)", "In (brackets)"},
        {"Path /", "Path /."}, // '/' is the character right after '.'
        {"", ""},
    };
    for (const auto& [text, shown] : cases)
        EXPECT_EQ(TopLevelErrorText(text), shown) << text.toStdString();
}

TEST(TopLevelErrors, AnEscapedFailureIsShownAndDeliveryGoesOn) {
    TScriptedDialogs dialogs;
    EXPECT_FALSE(DeliverGuarded([]() -> bool { throw EQuenvoError("Cannot write file \"x\""); }));
    EXPECT_FALSE(DeliverGuarded([]() -> bool { throw std::runtime_error("bad value"); }));
    EXPECT_TRUE(DeliverGuarded([] { return true; }));
    ASSERT_EQ(dialogs.Messages.size(), 2);
    EXPECT_EQ(dialogs.Messages[0].Text, "Cannot write file \"x\""); // '"' sorts before '.'
    EXPECT_EQ(dialogs.Messages[1].Text, "bad value.");
    for (const auto& shown : dialogs.Messages) {
        EXPECT_EQ(shown.Caption, "Quenvo");
        EXPECT_EQ(shown.Icon, TMsgIcon::Error);
        EXPECT_EQ(shown.Buttons, TMsgButtons::Ok);
    }
}

TEST(SystemActions, ButtonsOpenHomePageMailAndHelp) {
    TRecordingDesktop desktop;
    SoftInfo.Text[siHomePage] = "https://home.example/";
    SoftInfo.Text[siEMail] = "help@home.example";
    SoftInfo.Text[siAppFolder] = "/opt/quenvo/";
    TFrmMainForm form;
    form.btnHomePage->click();
    form.btnEMail->click();
    form.btnHelp->click();
    EXPECT_EQ(desktop.Opened, QStringList({"https://home.example/", "mailto:help@home.example",
                                           "/opt/quenvo/Mirel.html"}));
}

TEST(SystemActions, AboutWithoutLibraryOrEntryPointDoesNothing) {
    TScriptedDialogs dialogs;
    TTestFolder empty, wrongLibrary;
    // A library of that name that lacks the entry point.
    QFile::copy(BuildAppFolder() + "libTesso.so", wrongLibrary.Path() + "libKorrin.so");
    for (const QString& folder : {empty.Path(), wrongLibrary.Path()}) {
        TAppFolderGuard guard(folder);
        const int windowsBefore = QApplication::topLevelWidgets().size();
        ShowAbout();
        EXPECT_TRUE(dialogs.Messages.isEmpty());
        EXPECT_EQ(QApplication::topLevelWidgets().size(), windowsBefore);
    }
}

TEST(SystemActions, AboutShowsTheProductInformation) {
    TAppFolderGuard guard(BuildAppFolder());
    SoftInfo = RecSoftInfo();
    SoftInfo.Text[siMaker] = "Orvane Soft";
    SoftInfo.Text[siProduct] = "Quenvo";
    SoftInfo.Text[siTitleText] = "Video Converter";
    SoftInfo.Text[siEMail] = "support@orvanesoft.example";
    QStringList texts;
    WhenReady(
        [] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (qobject_cast<QDialog*>(w) && w->isVisible())
                    return true;
            return false;
        },
        [&] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* dialog = qobject_cast<QDialog*>(w); dialog && dialog->isVisible()) {
                    for (QLabel* label : dialog->findChildren<QLabel*>())
                        texts << label->text();
                    dialog->reject();
                }
        });
    ShowAbout();
    const QString all = texts.join("\n");
    EXPECT_TRUE(all.contains("Quenvo Video Converter")) << all.toStdString();
    EXPECT_TRUE(all.contains("Orvane Soft"));
    EXPECT_TRUE(all.contains("support@orvanesoft.example"));
    // Empty texts come as null pointers and show no line.
    EXPECT_FALSE(all.contains("Home page"));
}
