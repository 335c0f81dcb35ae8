#include "QtPrinting.h"
#include "convert/AdvanceSystem.h"
#include "support/ProgramCall.h"
#include "support/Timing.h"
#include "testsupport/SeamGuards.h"
#include "testsupport/TestFolders.h"

#include <QAbstractEventDispatcher>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

const QString Child = QStringLiteral(CHATTY_CHILD);

int OpenDescriptorCount() {
    return int(QDir("/proc/self/fd").entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size());
}

struct TRun {
    bool Started = false;
    QStringList Chunks;
    int ExitCode = -2;
};

class RunnerTest : public ::testing::Test {
protected:
    void SetUp() override { Timing().AfterOutputMs = 10; }

    static TRun Run(const TProgramCall& call) {
        TRun run;
        TAdvanceSystem runner;
        run.Started = runner.RunAndCapture(call, [&](const QString& text) { run.Chunks << text; });
        run.ExitCode = runner.ExitCode();
        return run;
    }
    static TRun RunChild(const QString& actions) {
        return Run({Child, actions.split(' ', Qt::SkipEmptyParts)});
    }

    TTestFolder AppFolder;
    TAppFolderGuard FolderGuard{AppFolder.Path()};
    TTimingGuard TimingGuard;
};

TEST_F(RunnerTest, SilentChildGivesNoCallback) {
    const TRun run = RunChild("sleep:200");
    EXPECT_TRUE(run.Started);
    EXPECT_TRUE(run.Chunks.isEmpty());
    EXPECT_EQ(run.ExitCode, 0);
}

// Every write below is one atomic write into the pipe, so it is all waiting
// at a single look.
TEST_F(RunnerTest, BacklogKeepsOnlyTheLastReadUnit) {
    struct TCase {
        QString Actions;
        QString Expected;
    };
    const QList<TCase> cases = {
        {"write:3000 sleep:300", QString(954, 'c')},
        {"write:3000", QString(954, 'c')},
        {"write:1023 sleep:300", QString(1023, 'a')},
        {"write:2046 sleep:300", QString(1023, 'b')},
        {"write:1024 sleep:300", "b"},
        {"write:1", "a"},
    };
    for (const TCase& c : cases) {
        const TRun run = RunChild(c.Actions);
        EXPECT_TRUE(run.Started) << c.Actions.toStdString();
        EXPECT_EQ(run.Chunks, QStringList{c.Expected}) << c.Actions.toStdString();
    }
}

TEST_F(RunnerTest, OutputJustBeforeTheEndArrives) {
    for (const QString actions : {"line:goodbye", "sleep:300 line:goodbye", "err:goodbye"}) {
        const TRun run = RunChild(actions);
        EXPECT_EQ(run.Chunks, QStringList{"goodbye\n"}) << actions.toStdString();
    }
}

// The pause after each chunk paces the reads while the child writes; the
// child's end cuts it short, so a job goes on the moment its encoder ends.
// With a pause far longer than the child's run, what the child wrote after
// the first read comes as one chunk at its end, however loaded the machine.
TEST_F(RunnerTest, PauseAfterOutputPacesReadsAndEndsWithTheChild) {
    Timing().AfterOutputMs = 60000;
    const QDeadlineTimer pause(Timing().AfterOutputMs);
    const TRun run = RunChild("every:30:8");
    QString expected;
    for (int n = 1; n <= 8; ++n)
        expected += QString("status %1\n").arg(n);
    EXPECT_EQ(run.Chunks.join(""), expected);
    EXPECT_LE(run.Chunks.size(), 2) << "unpaced, each line comes as a chunk of its own";
    EXPECT_FALSE(pause.hasExpired()) << "the pause ran its course after the child ended";
}

TEST_F(RunnerTest, TextEndsAtTheFirstZeroByte) {
    EXPECT_EQ(RunChild("zero").Chunks, QStringList{"abc"});
}

TEST_F(RunnerTest, ExitCodeOfTheChild) {
    EXPECT_EQ(RunChild("exit:3").ExitCode, 3);
    EXPECT_EQ(RunChild("line:x").ExitCode, 0);
    EXPECT_EQ(RunChild("killself").ExitCode, -1);
}

TEST_F(RunnerTest, UnrunnableLineFailsAtOnceLeavingNothingOpen) {
    const QString plainFile = AppFolder.WriteFile("notes.txt", "text");
    const QString folder = AppFolder.MakeFolder("sub");
    // Marked executable but no program: found, yet the start fails.
    const QString junk = AppFolder.WriteFile("junk", QByteArray(64, '\x7f'));
    QFile::setPermissions(junk, QFile::permissions(junk) | QFile::ExeOwner);
    const int before = OpenDescriptorCount();
    // A bare name is not looked for along PATH: only the program given runs.
    for (const TProgramCall& call :
         {TProgramCall{}, TProgramCall{"/nonexistent/prog", {"-x"}},
          TProgramCall{plainFile, {"-x"}}, TProgramCall{folder, {}},
          TProgramCall{"/nonexistent/a b", {"c"}}, TProgramCall{junk, {"-x"}},
          TProgramCall{"sh", {"-c", "true"}}}) {
        TAdvanceSystem runner;
        bool called = false;
        EXPECT_FALSE(runner.RunAndCapture(call, [&](const QString&) { called = true; }))
            << call.Program.toStdString();
        EXPECT_FALSE(called);
        EXPECT_EQ(runner.ExitCode(), -1);
        EXPECT_EQ(OpenDescriptorCount(), before) << call.Program.toStdString();
    }
}

TEST_F(RunnerTest, ChildGetsOnlyItsPipesItsGroupAndTheApplicationFolder) {
    // A descriptor of ours without close-on-exec must not reach the child.
    const int stray = ::open("/dev/null", O_RDONLY);
    ASSERT_GE(stray, 0);
    const int before = OpenDescriptorCount();
    EXPECT_EQ(RunChild("inherit").Chunks,
              QStringList{"fds:0,1,2 stdin:pipe joined:yes group:own\n"});
    EXPECT_EQ(OpenDescriptorCount(), before);
    ::close(stray);

    const QString folder = QFileInfo(AppFolder.Path()).canonicalFilePath();
    EXPECT_EQ(RunChild("cwd").Chunks, QStringList{folder + "\n"});
}

TEST_F(RunnerTest, ProgramAndArgumentsAreStartedAsTheyStand) {
    const QString tools = AppFolder.MakeFolder("my tools");
    const QString program = tools + "chatty child";
    ASSERT_TRUE(QFile::copy(Child, program));
    // A program planted where the path's first word ends is never run.
    const QString planted = AppFolder.WriteFile("my", "#!/bin/sh\necho planted\n");
    QFile::setPermissions(planted, QFile::permissions(planted) | QFile::ExeOwner);
    const TRun run = Run({program, {"args", "two words", "x", "", "y\"z w", "a\nb"}});
    EXPECT_TRUE(run.Started);
    EXPECT_EQ(run.Chunks, QStringList{"[two words][x][][y\"z w][a\nb]\n"});
}

TEST_F(RunnerTest, WindowEventsAreServedWhileTheChildIsSilent) {
    bool fired = false;
    QTimer::singleShot(50, [&] { fired = true; });
    RunChild("sleep:600");
    EXPECT_TRUE(fired);
}

// A question opened while the runner waits (the stop question, say) runs
// its own event loop inside the wait. Once the child has ended, that loop
// must sleep until the question is answered, not wake again and again.
TEST_F(RunnerTest, QuestionOpenDuringAWaitSleepsAfterTheChildEnded) {
    struct TCase {
        QString Actions;
        int AfterOutputMs; // the question opens in this pause after output
    };
    const QList<TCase> cases = {{"sleep:200", 10}, {"line:hello sleep:200", 5000}};
    for (const TCase& c : cases) {
        Timing().AfterOutputMs = c.AfterOutputMs;
        int wakeUps = -1;
        QTimer::singleShot(100, [&] {
            QEventLoop question;
            QTimer::singleShot(500, [&] {
                // The child has ended by now; the question stays open 2 s more.
                wakeUps = 0;
                QObject::connect(QAbstractEventDispatcher::instance(),
                                 &QAbstractEventDispatcher::awake, &question, [&] { ++wakeUps; });
                QTimer::singleShot(2000, &question, &QEventLoop::quit);
            });
            question.exec();
        });
        const TRun run = RunChild(c.Actions);
        EXPECT_TRUE(run.Started);
        EXPECT_GE(wakeUps, 0) << c.Actions.toStdString();
        EXPECT_LT(wakeUps, 20) << c.Actions.toStdString();
    }
}

TEST_F(RunnerTest, FailingCallbackLeavesNoChildBehind) {
    TAdvanceSystem runner;
    pid_t child = 0;
    EXPECT_THROW(runner.RunAndCapture({Child, {"pid", "sleep:30000"}},
                                      [&](const QString& text) {
                                          child = text.trimmed().toInt();
                                          throw std::runtime_error("stop");
                                      }),
                 std::runtime_error);
    ASSERT_GT(child, 0);
    // Reaped, not merely killed: the id is gone.
    EXPECT_EQ(::kill(child, 0), -1);
    EXPECT_EQ(errno, ESRCH);
}

} // namespace
