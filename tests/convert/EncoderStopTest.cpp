#include "QtPrinting.h"
#include "convert/EncoderName.h"
#include "support/CommonLib.h"
#include "support/EventPump.h"
#include "support/SysFunc.h"
#include "support/Timing.h"
#include "testsupport/SeamGuards.h"
#include "testsupport/TestFolders.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

#include <memory>

namespace {

const QString Child = QStringLiteral(CHATTY_CHILD);

class EncoderStopTest : public ::testing::Test {
protected:
    void SetUp() override { Timing().ProcessPollMs = 20; }

    void TearDown() override {
        for (const pid_t pid : Noted)
            ForgetStartedProcess(pid);
    }

    // Starts a copy of the test child under the given file name and waits
    // until it has set itself up; noted as a child this program started
    // unless it is a stranger's.
    pid_t Start(const QString& name, const QStringList& actions = {}, bool stranger = false) {
        const QString program = Bin.Path() + name;
        if (!QFile::exists(program))
            QFile::copy(Child, program);
        auto& process = Children.emplace_back(std::make_unique<QProcess>());
        process->start(program, actions + QStringList{"line:ready", "sleep:60000"});
        if (!process->waitForStarted() || !process->waitForReadyRead())
            return 0;
        if (!stranger) {
            Noted.push_back(pid_t(process->processId()));
            NoteStartedProcess(Noted.back(), program);
        }
        return pid_t(process->processId());
    }

    // Waits for every process of the name to end; the 30 s bound only
    // catches one that never does.
    static bool AllEnded(const QString& name) {
        for (int i = 0; i < 1500 && TSysFunc().FindProcess(name) != 0; ++i)
            PumpingSleep(20);
        return TSysFunc().FindProcess(name) == 0;
    }

    TTestFolder AppFolder;
    TAppFolderGuard FolderGuard{AppFolder.Path()};
    TTimingGuard TimingGuard;
    TTestFolder Bin;
    std::vector<std::unique_ptr<QProcess>> Children;
    std::vector<pid_t> Noted;
    TCommonLib Lib;
};

// Only the encoders this program started are its to stop: another
// program's process of the same name is neither found nor signalled.
TEST_F(EncoderStopTest, StopEndsEveryEncoderWeStartedAndLookupGivesTheLaterOne) {
    const pid_t stranger = Start(EncoderProcessName, {}, true);
    const pid_t first = Start(EncoderProcessName);
    const pid_t second = Start(EncoderProcessName);
    ASSERT_GT(stranger, 0);
    ASSERT_GT(first, 0);
    ASSERT_GT(second, 0);
    // The process list runs in the order the children were started.
    EXPECT_EQ(Lib.GetProcessIdByName("RAVLIN"), second);

    Lib.StopEncoder("/opt/elsewhere/ravlin");
    EXPECT_EQ(TSysFunc().FindProcess(EncoderProcessName), 0);
    EXPECT_EQ(LogMessages(AppFolder.Path()),
              QStringList({"Get Process id error.", "Get Process id error."}));
    EXPECT_EQ(Children.front()->state(), QProcess::Running);
    EXPECT_FALSE(Children.front()->waitForFinished(100));
}

TEST_F(EncoderStopTest, StopTakesThePathsFileNameThenTheEncoder) {
    Start("helper_enc");
    Start(EncoderProcessName);
    Lib.StopEncoder(Bin.Path() + "helper_enc");
    EXPECT_EQ(TSysFunc().FindProcess("helper_enc"), 0);
    EXPECT_EQ(TSysFunc().FindProcess(EncoderProcessName), 0);
}

// SIGKILL comes only once a process has had the grace since its first
// SIGTERM: an encoder needs that time to close its file. The grace is read
// at each attempt, so the test sets it past and then short of the first
// SIGTERM instead of racing a clock.
TEST_F(EncoderStopTest, SigkillOnlyAfterTheGrace) {
    Timing().KillGraceMs = 600000;
    ASSERT_GT(Start("stubborn", {"ignoreterm"}), 0);
    EXPECT_TRUE(Lib.TerminateProcessByName("stubborn"));
    EXPECT_TRUE(Lib.TerminateProcessByName("stubborn"));
    EXPECT_FALSE(Children.back()->waitForFinished(200));
    Timing().KillGraceMs = 0;
    EXPECT_TRUE(Lib.TerminateProcessByName("stubborn"));
    EXPECT_TRUE(AllEnded("stubborn"));

    // The stop's 50 attempts, 50 ms apart at the least, go on past the grace.
    Timing().KillGraceMs = 2000;
    Timing().ProcessPollMs = 50;
    struct TCase {
        QString Action;
        QProcess::ExitStatus Ends;
    };
    for (const TCase& c :
         {TCase{"slowterm:400", QProcess::NormalExit}, TCase{"ignoreterm", QProcess::CrashExit}}) {
        ASSERT_GT(Start(EncoderProcessName, {c.Action}), 0);
        Lib.StopEncoder(EncoderProcessName);
        EXPECT_EQ(TSysFunc().FindProcess(EncoderProcessName), 0);
        QProcess& child = *Children.back();
        if (child.state() != QProcess::NotRunning)
            child.waitForFinished(5000);
        ASSERT_EQ(child.state(), QProcess::NotRunning);
        EXPECT_EQ(child.exitStatus(), c.Ends) << c.Action.toStdString();
    }
    EXPECT_FALSE(LogMessages(AppFolder.Path()).contains("Terminate process error."));
}

TEST_F(EncoderStopTest, NothingToStopIsLogged) {
    Lib.StopEncoder("/opt/elsewhere/ravlin");
    EXPECT_EQ(Lib.GetProcessIdByName("no_such_program"), 0);
    EXPECT_FALSE(Lib.TerminateProcessByName("no_such_program"));
    EXPECT_EQ(LogMessages(AppFolder.Path()),
              QStringList({"Get Process id error.", "Get Process id error.",
                           "Get Process id error.", "Terminate process error."}));
}

} // namespace
