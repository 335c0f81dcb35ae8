#include "support/DialogHelpers.h"
#include "support/CommonLib.h"
#include "testsupport/ScriptedDialogs.h"
#include "testsupport/TestFolders.h"

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
