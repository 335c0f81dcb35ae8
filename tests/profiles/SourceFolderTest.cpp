#include "support/CustomProc.h"
#include "support/Errors.h"
#include "testsupport/SeamGuards.h"
#include "testsupport/TestFolders.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

class SourceFolder : public ::testing::Test {
protected:
    TTestFolder App;
    TAppFolderGuard FolderGuard{App.Path()};
    QString Settings = App.Path() + "Config/UserSettings.ini";
    void SetUp() override { App.MakeFolder("Config"); }
};

TEST_F(SourceFolder, HomeFolderUntilFilesWereChosenThenRememberedAcrossRuns) {
    EXPECT_EQ(TCustomProc().LoadSourceFolder(), QDir::homePath() + "/");
    // A cancel before any file was chosen passes an empty file name.
    TCustomProc().SaveSourceFolder(QString());
    EXPECT_FALSE(QFile::exists(Settings));

    TCustomProc().SaveSourceFolder("/data/Videos/clip one.avi");
    EXPECT_EQ(TCustomProc().LoadSourceFolder(), "/data/Videos/");
    QFile file(Settings);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "\r\n[USRInfo]\r\nInitDir=/data/Videos/\r\n");
    // An empty stored value falls back to home.
    App.WriteFile("Config/UserSettings.ini", "[usrinfo]\r\nInitDir=\r\n");
    EXPECT_EQ(TCustomProc().LoadSourceFolder(), QDir::homePath() + "/");
}

TEST_F(SourceFolder, MissingConfigFolderFailsTheSaveOnly) {
    QDir(App.Path() + "Config").removeRecursively();
    EXPECT_EQ(TCustomProc().LoadSourceFolder(), QDir::homePath() + "/");
    EXPECT_THROW(TCustomProc().SaveSourceFolder("/data/a.avi"), EQuenvoError);
    EXPECT_FALSE(QDir(App.Path() + "Config").exists());
}

} // namespace
