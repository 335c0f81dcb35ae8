#include "support/CommonLib.h"
#include "support/Dialogs.h"
#include "testsupport/ScriptedDialogs.h"
#include "testsupport/TestFolders.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

class OutputFolder : public ::testing::Test {
protected:
    TTestFolder Temp;
    TScriptedDialogs Dialogs;
    QString Current = Temp.Path() + "out/deep";

    QStringList EntriesOf(const QString& folder) const {
        return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }
    void ExpectWarned(const QString& text) const {
        ASSERT_EQ(Dialogs.Messages.size(), 1);
        EXPECT_EQ(Dialogs.Messages[0].Text, text);
        EXPECT_EQ(Dialogs.Messages[0].Icon, TMsgIcon::Warning);
        EXPECT_EQ(Dialogs.Messages[0].Caption, "Quenvo");
    }
};

TEST_F(OutputFolder, CancelKeepsTheFolderAndCreatesIt) {
    EXPECT_EQ(TCommonLib().SelectOutputFolder(Current), Current);
    EXPECT_EQ(Dialogs.FolderTitles, QStringList{"Please select output folder:"});
    EXPECT_TRUE(QDir(Current).exists());
    EXPECT_TRUE(Dialogs.Messages.isEmpty());
    EXPECT_EQ(TCommonLib::DefaultOutputFolder(), QDir::homePath() + "/quenvo");
}

TEST_F(OutputFolder, WritableFolderIsTakenAndNoProbeStaysBehind) {
    const QString chosen = Temp.MakeFolder("videos").chopped(1);
    Dialogs.FolderAnswers = {chosen};
    EXPECT_EQ(TCommonLib().SelectOutputFolder(Current), chosen);
    EXPECT_TRUE(EntriesOf(chosen).isEmpty());

    // A "test" folder of the user's survives the probe.
    Temp.WriteFile("videos/test/keep.txt", "mine");
    Dialogs.FolderAnswers = {chosen};
    EXPECT_EQ(TCommonLib().SelectOutputFolder(Current), chosen);
    EXPECT_EQ(EntriesOf(chosen), QStringList{"test"});
    EXPECT_EQ(EntriesOf(chosen + "/test"), QStringList{"keep.txt"});
    EXPECT_TRUE(Dialogs.Messages.isEmpty());
}

TEST_F(OutputFolder, MissingFolderIsInvalid) {
    Temp.WriteFile("plain.txt");
    for (const QString& chosen : {Temp.Path() + "gone", Temp.Path() + "plain.txt"}) {
        Dialogs.Messages.clear();
        Dialogs.FolderAnswers = {chosen};
        EXPECT_EQ(TCommonLib().SelectOutputFolder(Current), Current);
        ExpectWarned("The path is invalid.");
    }
}

TEST_F(OutputFolder, ReadOnlyFolderWarnsAndKeepsTheOldOne) {
    // No one, root included, can make folders in /proc.
    Dialogs.FolderAnswers = {"/proc"};
    EXPECT_EQ(TCommonLib().SelectOutputFolder(Current), Current);
    ExpectWarned("This is a read-only path.");
}

TEST_F(OutputFolder, FolderWithoutWritePermissionWarns) {
    if (geteuid() == 0)
        GTEST_SKIP() << "permission bits don't bind root; /proc stood in for a read-only folder";
    const QString locked = Temp.MakeFolder("locked").chopped(1);
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
    Dialogs.FolderAnswers = {locked};
    EXPECT_EQ(TCommonLib().SelectOutputFolder(Current), Current);
    ExpectWarned("This is a read-only path.");
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST_F(OutputFolder, RootIsTakenAsSlash) {
    const QStringList before = EntriesOf("/");
    Dialogs.FolderAnswers = {"/"};
    const QString result = TCommonLib().SelectOutputFolder(Current);
    if (access("/", W_OK) == 0) {
        EXPECT_EQ(result, "/");
        EXPECT_TRUE(Dialogs.Messages.isEmpty());
    } else {
        EXPECT_EQ(result, Current);
        ExpectWarned("This is a read-only path.");
    }
    EXPECT_EQ(EntriesOf("/"), before);
}

} // namespace
