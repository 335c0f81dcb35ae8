#include "support/FileFunc.h"
#include "support/SysFunc.h"
#include "testsupport/TestFolders.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

TEST(FileNameWithoutExt, CutsFolderThenLastExtension) {
    const TFileFunc files;
    EXPECT_EQ(files.FileNameWithoutExt("/films/clip.new.avi"), "clip.new");
    EXPECT_EQ(files.FileNameWithoutExt("/films/clip"), "");
    EXPECT_EQ(files.FileNameWithoutExt("/a.b/clip"), "");
    EXPECT_EQ(files.FileNameWithoutExt("/cfg/.cfg"), "");
    EXPECT_EQ(files.FileNameWithoutExt("holiday.avi"), "holiday");
}

TEST(ListFolderFiles, EntriesWithOptionalFilter) {
    TTestFolder folder;
    folder.WriteFile("a.mp4");
    folder.WriteFile("b.avi");
    folder.WriteFile(".hidden.mp4");
    folder.MakeFolder("sub.mp4");
    const TFileFunc files;
    QStringList all = files.ListFolderFiles(folder.Path(), "");
    all.sort();
    EXPECT_EQ(all, QStringList({folder.Path() + ".hidden.mp4", folder.Path() + "a.mp4",
                                folder.Path() + "b.avi", folder.Path() + "sub.mp4"}));
    QStringList mp4 = files.ListFolderFiles(folder.Path(), ".mp4");
    EXPECT_EQ(mp4.size(), 3);
    EXPECT_TRUE(files.ListFolderFiles(folder.Path() + "missing/", "").isEmpty());
}

struct TUniqueCase {
    QStringList Existing;
    QString Proposed;
    QString Expected;
};

TEST(UniqueOutputPath, NumberedNamesIgnoringExtensionAndCase) {
    const QList<TUniqueCase> cases = {
        {{}, "clip.mp4", "clip.mp4"},
        {{"clip.mp4"}, "clip.mp4", "clip_1.mp4"},
        {{"clip.avi"}, "clip.mp4", "clip_1.mp4"},
        {{"clip.mp4", "clip_1.txt", "clip_2.mp4"}, "clip.mp4", "clip_3.mp4"},
        {{"clip_7.mp4"}, "clip_7.mp4", "clip_7_1.mp4"},
        {{"clip"}, "clip.mp4", "clip.mp4"},
        {{"CLIP.avi"}, "clip.mp4", "clip_1.mp4"},
        {{"holiday.avi", "holiday_1.txt"}, "holiday.mp4", "holiday_2.mp4"},
        {{"clip.mp4", "clip_1.mp4", "clip_2.mp4", "clip_3.mp4", "clip_4.mp4", "clip_5.mp4",
          "clip_6.mp4", "clip_7.mp4", "clip_8.mp4", "clip_9.mp4"},
         "clip.mp4",
         "clip_10.mp4"},
    };
    for (const TUniqueCase& c : cases) {
        TTestFolder folder;
        for (const QString& name : c.Existing)
            folder.WriteFile(name);
        TFileFunc files;
        EXPECT_EQ(files.UniqueOutputPath(folder.Path() + c.Proposed), folder.Path() + c.Expected)
            << c.Existing.join(",").toStdString() << " " << c.Proposed.toStdString();
    }
}

TEST(UniqueOutputPath, SubFolderCountsAsEntry) {
    TTestFolder folder;
    folder.MakeFolder("clip.old");
    TFileFunc files;
    EXPECT_EQ(files.UniqueOutputPath(folder.Path() + "clip.mp4"), folder.Path() + "clip_1.mp4");
    EXPECT_EQ(files.UniqueOutputPath("/nonexistent-quenvo/clip.mp4"),
              "/nonexistent-quenvo/clip.mp4");
}

TEST(ProcessSnapshot, FindsTheTestsOwnChildByName) {
    // A name no other process has: a copy of sleep named after this test.
    const TTestFolder folder;
    const QString name = "lookup" + QString::number(getpid());
    ASSERT_TRUE(QFile::copy("/bin/sleep", folder.Path() + name));
    QProcess child;
    child.start(folder.Path() + name, {"30"});
    ASSERT_TRUE(child.waitForStarted());
    EXPECT_EQ(TSysFunc().FindProcess(name.toUpper()), pid_t(child.processId()));
    child.kill();
    child.waitForFinished();
    EXPECT_EQ(TSysFunc().FindProcess(name), 0) << "an ended child is not found";
    EXPECT_EQ(TSysFunc().FindProcess("no-such-program-quenvo"), 0);
}

} // namespace
