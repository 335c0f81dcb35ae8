#include "app/Startup.h"
#include "app/FrmFlashForm.h"
#include "app/FrmMainForm.h"
#include "app/ShellTestSupport.h"
#include "testsupport/ScriptedDialogs.h"
#include "testsupport/TestFolders.h"

#include <QApplication>
#include <QDir>
#include <QLabel>

#include <gtest/gtest.h>

namespace {

bool AnyWindowVisible() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            return true;
    return false;
}

const QString KorrinMissing = "'libKorrin.so' is not found. Please reinstall this program.";
const QString TessoMissing = "'libTesso.so' is not found. Please reinstall this program.";

} // namespace

TEST(Startup, MissingSiblingsAreEachReportedAndEndTheProgram) {
    struct TCase {
        QStringList Present;
        QStringList Expected;
    };
    const TCase cases[] = {
        {{}, {KorrinMissing, TessoMissing}},
        {{"libTesso.so"}, {KorrinMissing}},
        {{"libKorrin.so"}, {TessoMissing}},
    };
    // All present in the current folder, which is not where they are looked for.
    TTestFolder elsewhere;
    CopySiblings(elsewhere.Path());
    const QString previous = QDir::currentPath();
    QDir::setCurrent(elsewhere.Path());
    for (const TCase& c : cases) {
        TTestFolder folder;
        CopySiblings(folder.Path(), c.Present);
        TAppFolderGuard guard(folder.Path());
        TScriptedDialogs dialogs;
        bool shownDuringStart = false;
        dialogs.OnMessage = [&](const TScriptedDialogs::TShown&) {
            shownDuringStart = shownDuringStart || AnyWindowVisible();
        };

        const TRunGuard running;
        EXPECT_EQ(RunQuenvo(), 0);
        if (running.TimedOut())
            break; // the other starts would wait as long

        EXPECT_EQ(dialogs.MessageTexts(), c.Expected);
        for (const auto& shown : dialogs.Messages) {
            EXPECT_EQ(shown.Caption, "Quenvo");
            EXPECT_EQ(shown.Icon, TMsgIcon::Information);
            EXPECT_EQ(shown.Buttons, TMsgButtons::Ok);
        }
        EXPECT_FALSE(shownDuringStart);
        EXPECT_FALSE(AnyWindowVisible());
    }
    QDir::setCurrent(previous);
}

TEST(Startup, FromAnotherCurrentFolderStartsWithSplashThenMainWindow) {
    TTestFolder appFolder, elsewhere;
    CopySiblings(appFolder.Path());
    TAppFolderGuard guard(appFolder.Path());
    const QString previous = QDir::currentPath();
    QDir::setCurrent(elsewhere.Path());
    TScriptedDialogs dialogs;
    TQuickSplash quick;

    QSize splashSize;
    QString title, caption;
    WhenReady([] { return VisibleSplash() != nullptr; },
              [&] { splashSize = VisibleSplash()->size(); });
    TFrmMainForm* shownMain = nullptr;
    WhenReady(
        [&] {
            // The splash window is gone once the show sequence is over.
            bool splashExists = false;
            for (QWidget* w : QApplication::topLevelWidgets()) {
                splashExists = splashExists || qobject_cast<TFrmFlashForm*>(w);
                if (auto* main = qobject_cast<TFrmMainForm*>(w); main && main->isVisible())
                    shownMain = main;
            }
            return shownMain && splashSize.isValid() && !splashExists;
        },
        [&] {
            title = shownMain->lblTitle->text();
            caption = shownMain->windowTitle();
            shownMain->actCloseWindow();
        });

    const TRunGuard running;
    const int code = RunQuenvo();
    QDir::setCurrent(previous);

    EXPECT_EQ(code, 0);
    EXPECT_TRUE(dialogs.Messages.isEmpty()) << dialogs.MessageTexts().join("\n").toStdString();
    EXPECT_EQ(splashSize, QSize(480, 280));
    EXPECT_EQ(title, "Quenvo Video Converter");
    EXPECT_EQ(caption, "Quenvo");
}
