#include "support/FileFunc.h"
#include "support/SysFunc.h"
#include "testsupport/TestFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
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

TEST(UniqueOutputPath, NumberedNamesIgnoringExtensionAndCaseCreatedAtOnce) {
    // The clash-free name of a long name still fits the file system's
    // limit of 255 bytes: its name part is shortened by whole characters.
    const QString longName(250, 'x'), longWide(125, QChar(0xE9));
    const QList<TUniqueCase> cases = {
        {{}, "clip.mp4", "clip.mp4"},
        {{"clip.mp4"}, "clip.mp4", "clip_1.mp4"},
        {{"clip.avi"}, "clip.mp4", "clip_1.mp4"},
        {{"clip.mp4", "clip_1.txt", "clip_2.mp4"}, "clip.mp4", "clip_3.mp4"},
        {{"clip_7.mp4"}, "clip_7.mp4", "clip_7_1.mp4"},
        {{"clip"}, "clip.mp4", "clip.mp4"},
        {{"clip.old/"}, "clip.mp4", "clip_1.mp4"}, // a folder counts as an entry
        {{"CLIP.avi"}, "clip.mp4", "clip_1.mp4"},
        {{"holiday.avi", "holiday_1.txt"}, "holiday.mp4", "holiday_2.mp4"},
        {{"clip.mp4", "clip_1.mp4", "clip_2.mp4", "clip_3.mp4", "clip_4.mp4", "clip_5.mp4",
          "clip_6.mp4", "clip_7.mp4", "clip_8.mp4", "clip_9.mp4"},
         "clip.mp4",
         "clip_10.mp4"},
        {{}, longName + ".mp4", longName + ".mp4"},
        {{longName + ".avi"}, longName + ".mp4", longName.chopped(1) + "_1.mp4"},
        {{longWide + ".avi"}, longWide + ".mp4", longWide.chopped(1) + "_1.mp4"},
    };
    for (const TUniqueCase& c : cases) {
        TTestFolder folder;
        for (const QString& name : c.Existing)
            name.endsWith('/') ? folder.MakeFolder(name) : folder.WriteFile(name);
        TFileFunc files;
        const QString path = files.UniqueOutputPath(folder.Path() + c.Proposed);
        EXPECT_EQ(path, folder.Path() + c.Expected)
            << c.Existing.join(",").toStdString() << " " << c.Proposed.toStdString();
        EXPECT_TRUE(QFileInfo(path).isFile() && QFileInfo(path).size() == 0);
        EXPECT_TRUE(files.DiscardReservedOutput(path));
        EXPECT_FALSE(QFileInfo::exists(path));
    }
    EXPECT_EQ(TFileFunc().UniqueOutputPath("/nonexistent-quenvo/clip.mp4"),
              "/nonexistent-quenvo/clip.mp4");
}

// The name is taken when it is chosen: callers in several processes at
// once (two windows converting into one folder) each get a name of their
// own, and a name in a folder that can't be listed is never reused.
TEST(UniqueOutputPath, NameIsTakenExclusivelyWhenChosen) {
    TTestFolder folder;
    constexpr int Callers = 6;
    int go[2], names[2];
    ASSERT_EQ(::pipe(go), 0);
    ASSERT_EQ(::pipe(names), 0);
    for (int i = 0; i < Callers; ++i)
        if (::fork() == 0) {
            char start;
            ::close(go[1]);
            if (::read(go[0], &start, 1) != 1)
                ::_exit(1);
            const QByteArray path =
                TFileFunc().UniqueOutputPath(folder.Path() + "clip.mp4").toUtf8() + '\n';
            ::_exit(::write(names[1], path.constData(), size_t(path.size())) == path.size() ? 0
                                                                                            : 1);
        }
    ::close(go[0]);
    ::close(names[1]);
    ASSERT_EQ(::write(go[1], "gogogo", Callers), Callers);
    ::close(go[1]);
    QByteArray got;
    char buffer[4096];
    for (ssize_t n; (n = ::read(names[0], buffer, sizeof buffer)) > 0;)
        got.append(buffer, n);
    ::close(names[0]);
    for (int i = 0; i < Callers; ++i)
        ::wait(nullptr);
    QStringList paths = QString::fromUtf8(got).split('\n', Qt::SkipEmptyParts);
    paths.sort();
    QStringList expected;
    for (int i = 0; i < Callers; ++i)
        expected << folder.Path() + (i == 0 ? "clip" : "clip_" + QString::number(i)) + ".mp4";
    expected.sort();
    EXPECT_EQ(paths, expected);

    if (::geteuid() == 0)
        GTEST_SKIP() << "permission bits don't bind root: the unlistable folder runs as a user";
    const QString hidden = folder.MakeFolder("hidden");
    const QString kept = folder.WriteFile("hidden/clip.mp4", "the user's");
    ASSERT_TRUE(QFile::setPermissions(hidden, QFile::WriteOwner | QFile::ExeOwner));
    EXPECT_EQ(TFileFunc().UniqueOutputPath(hidden + "clip.mp4"), hidden + "clip_1.mp4");
    QFile::setPermissions(hidden, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile file(kept);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "the user's");
}

TEST(ProcessSnapshot, FindsOnlyTheChildrenThisProgramNotedByName) {
    const TTestFolder folder;
    const QString name = "lookup";
    ASSERT_TRUE(QFile::copy("/bin/sleep", folder.Path() + name));
    QProcess child;
    child.start(folder.Path() + name, {"30"});
    ASSERT_TRUE(child.waitForStarted());
    const pid_t pid = pid_t(child.processId());
    EXPECT_EQ(TSysFunc().FindProcess(name), 0) << "a process it didn't note is none of its own";
    NoteStartedProcess(pid, folder.Path() + name);
    EXPECT_EQ(TSysFunc().FindProcess(name.toUpper()), pid);
    ::kill(pid, SIGKILL);
    siginfo_t info{};
    ::waitid(P_PID, id_t(pid), &info, WEXITED | WNOWAIT);
    EXPECT_EQ(TSysFunc().FindProcess(name), 0) << "an ended child is not found";
    ForgetStartedProcess(pid);
    child.waitForFinished();
    EXPECT_EQ(TSysFunc().FindProcess("no-such-program-quenvo"), 0);
}

} // namespace
