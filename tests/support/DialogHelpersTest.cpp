#include "support/DialogHelpers.h"
#include "support/CommonLib.h"
#include "testsupport/ScriptedDialogs.h"
#include "testsupport/TestFolders.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

TEST(MessageBoxes, KindPicksIconAndButtons) {
    TScriptedDialogs dialogs;
    const TCommonLib lib;
    EXPECT_TRUE(lib.ShowMessageBox("The path is invalid.", 1));
    lib.ShowMessageBox("stop", 0);
    lib.ShowMessageBox("info", 3);
    ASSERT_EQ(dialogs.Messages.size(), 3);
    EXPECT_EQ(dialogs.Messages[0].Caption, "Quenvo");
    EXPECT_EQ(dialogs.Messages[0].Icon, TMsgIcon::Warning);
    EXPECT_EQ(dialogs.Messages[0].Buttons, TMsgButtons::Ok);
    EXPECT_EQ(dialogs.Messages[1].Icon, TMsgIcon::Error);
    EXPECT_EQ(dialogs.Messages[2].Icon, TMsgIcon::Information);

    dialogs.Answers = {mrNo};
    EXPECT_EQ(ShowInfoMessage("question", 2), mrNo);
    EXPECT_EQ(dialogs.Messages.last().Buttons, TMsgButtons::YesNo);
    EXPECT_EQ(dialogs.Messages.last().Icon, TMsgIcon::Information);
    EXPECT_EQ(ShowInfoMessage("'libTesso.so' is not found.", 1), mrOk);
}

// The failure box names files whose names can be as long as the file
// system allows: such a name wraps inside the box, none runs past its edge.
TEST(MessageBoxes, LongFileNamesWrapInsideTheBox) {
    const QString name = "/home/user/Videos/" + QString(250, 'x') + ".avi";
    int fits = -1;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        const auto* label = box ? box->findChild<QLabel*>("qt_msgbox_label") : nullptr;
        if (label)
            fits = label->minimumSizeHint().width() <= label->width() &&
                   label->geometry().right() < box->width();
        if (box)
            box->accept();
    });
    TCommonLib().ShowMessageBox("These files could not be converted:\n" + name + " - no output", 1);
    EXPECT_EQ(fits, 1);
}

TEST(BrowseForFolder, MissingFolderOpensWithoutPreselection) {
    TScriptedDialogs dialogs;
    TTestFolder folder;
    QString chosen = folder.Path() + "gone";
    dialogs.FolderAnswers = {""};
    EXPECT_FALSE(BrowseForFolder("Please select output folder:", "", chosen));
    EXPECT_TRUE(chosen.isEmpty());

    dialogs.FolderAnswers = {folder.Path()};
    EXPECT_TRUE(BrowseForFolder("Please select output folder:", "", chosen));
    EXPECT_EQ(chosen, folder.Path());
    EXPECT_EQ(dialogs.FolderTitles.last(), "Please select output folder:");
}

} // namespace
