// Replayed batches beside a desktop's services: a private bus
// standing in for the session bus with a notification server and a dock
// listening, and one standing in for the system bus with logind.
#include "BatchFixture.h"
#include "DesktopStandIns.h"
#include "convert/BatchNotification.h"
#include "convert/LauncherProgress.h"
#include "support/PictureButton.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

class BatchOnDesktop : public Batch {
protected:
    static void SetUpTestSuite() {
        SessionBus = std::make_unique<TPrivateBus>();
        SystemBus = std::make_unique<TPrivateBus>();
        // Read when the application first asks for its buses.
        qputenv("DBUS_SESSION_BUS_ADDRESS", SessionBus->Address().toUtf8());
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", SystemBus->Address().toUtf8());
    }
    static void TearDownTestSuite() {
        SessionBus.reset();
        SystemBus.reset();
    }
    void SetUp() override {
        Batch::SetUp();
        ASSERT_FALSE(SessionBus->Address().isEmpty()) << "dbus-daemon could not be started";
        ASSERT_FALSE(SystemBus->Address().isEmpty()) << "dbus-daemon could not be started";
        ASSERT_TRUE(Logind.Offer(*SystemBus));
        ASSERT_TRUE(Notifications.Offer(*SessionBus));
        ASSERT_TRUE(Dock.Listen(*SessionBus));
        // The lock as the encoder reports its first progress.
        Encoder.AfterChunk = [this] {
            if (CustomProc->OutputCount >= 2 && LockOnceRunning < 0)
                LockOnceRunning = Logind.Held();
        };
    }
    void TearDown() override {
        Logind.Withdraw(*SystemBus);
        Notifications.Withdraw(*SessionBus);
        Batch::TearDown();
    }
    // The dock's last word about the application's launcher.
    bool DockCleared() {
        return QTest::qWaitFor(
            [this] {
                return !Dock.Updates.isEmpty() &&
                       !Dock.Updates.last().Properties.value("progress-visible").toBool();
            },
            5000);
    }

    static std::unique_ptr<TPrivateBus> SessionBus, SystemBus;
    TStandInLogind Logind;
    TStandInNotifications Notifications;
    TLauncherWatch Dock;
    int LockOnceRunning = -1;
};

std::unique_ptr<TPrivateBus> BatchOnDesktop::SessionBus, BatchOnDesktop::SystemBus;

const QString SleepLock = "sleep:idle / Quenvo / Converting videos / block";

TEST_F(BatchOnDesktop, HeldAwakeShownInTheDockAndToldHowItWent) {
    // The pause before each job lets the launcher hear the last position of
    // the job before, however fast the encoder is.
    Timing().BeforeRunMs = 600;
    AddRow("long.avi", 59);
    AddRow("long.avi", 59);
    AddRow("bad.avi");
    AddRow("unticked.avi"); // not converted, so not counted as converted
    F.Jobs.SetText(3, dxtrlchkCheckStatus, "False");
    int lockAtBox = -1;
    Dialogs.OnMessage = [&](const TScriptedDialogs::TShown&) { lockAtBox = Logind.Held(); };
    Run();

    EXPECT_EQ(Logind.Calls, QStringList{SleepLock});
    EXPECT_EQ(LockOnceRunning, 1);
    EXPECT_EQ(lockAtBox, 0); // a box waiting for the person keeps nothing awake
    EXPECT_FALSE(Logind.Held());
    // Everything else as without a desktop.
    const QStringList errors = F.LogLines("Convert error: ");
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(Dialogs.MessageTexts(),
              QStringList{"These files could not be converted:\n" +
                          errors[0].mid(QString("Convert error: ").size())});

    ASSERT_TRUE(QTest::qWaitFor([this] { return !Notifications.Notes.isEmpty(); }, 5000));
    ASSERT_EQ(Notifications.Notes.size(), 1);
    const TStandInNotifications::TNote note = Notifications.Notes[0];
    EXPECT_EQ(note.AppName, "Quenvo");
    EXPECT_EQ(note.Icon, "org.quenvo.Quenvo");
    EXPECT_EQ(note.Summary, "2 files converted, 1 could not be converted");
    EXPECT_EQ(note.Actions.value(0), "default");
    EXPECT_EQ(note.Hints.value("desktop-entry").toString(), "org.quenvo.Quenvo");

    ASSERT_TRUE(DockCleared());
    double last = -1;
    for (const TLauncherWatch::TUpdate& update : Dock.Updates.mid(0, Dock.Updates.size() - 1)) {
        EXPECT_EQ(update.App, "application://org.quenvo.Quenvo.desktop");
        EXPECT_TRUE(update.Properties.value("progress-visible").toBool());
        const double progress = update.Properties.value("progress").toDouble();
        EXPECT_GT(progress, last);
        EXPECT_LE(progress, 1.0);
        last = progress;
    }
    EXPECT_GE(Dock.Updates.size(), 4); // from 0, rising with each job, then cleared
    EXPECT_GT(last, 1.0 / 3);          // the second of three jobs was under way

    // A click on the notification brings the main window to the front.
    Main.show();
    Main.showMinimized();
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    Notifications.Click(*SessionBus, note.Id);
    EXPECT_TRUE(QTest::qWaitFor([this] { return Main.isActiveWindow(); }, 5000));
    EXPECT_FALSE(Main.isMinimized());
}

// A bar that moves every 10 ms reaches the dock at most twice a second,
// and its last position still gets there. Counted against the time it
// took, which a loaded machine stretches for the batch and the dock alike.
TEST_F(BatchOnDesktop, DockHearsAtMostTwiceASecond) {
    QElapsedTimer clock;
    clock.start();
    TLauncherProgress launcher;
    int moves = 0;
    QTimer mover;
    QObject::connect(&mover, &QTimer::timeout,
                     [&] { launcher.Show(std::min(++moves, 150) / 150.0); });
    mover.start(10);
    ASSERT_TRUE(QTest::qWaitFor([&] { return moves == 152; }, 5000));
    mover.stop();
    ASSERT_TRUE(QTest::qWaitFor(
        [this] {
            return !Dock.Updates.isEmpty() &&
                   Dock.Updates.last().Properties.value("progress") == 1.0;
        },
        2000));
    // One at the start, then one per 500 ms at most.
    EXPECT_LE(Dock.Updates.size(), clock.elapsed() / 500 + 2);
}

// A stop ends the batch after the current job, gives the lock back and
// says nothing.
TEST_F(BatchOnDesktop, StopDuringTheFirstJobEndsTheBatchQuietly) {
    for (const char* name : {"a.avi", "b.avi", "c.avi"})
        AddRow(name, 20);
    End.ShowOutputDirectory = true;
    int nestedWhileRunning = 0, shownAfterStop = 0;
    Encoder.AfterChunk = [&] {
        if (LockOnceRunning < 0 && CustomProc->OutputCount >= 2) {
            LockOnceRunning = Logind.Held();
            Dialogs.Answers = {mrYes};
            QTest::mouseClick(Form.btnStop, Qt::LeftButton);
            EXPECT_FALSE(Form.isVisible());
        } else if (LockOnceRunning >= 0) {
            // Convert while the stopped batch winds down starts nothing;
            // rows added meanwhile are listed, and wait for the next Convert.
            for (const char* name : {"d.avi", "e.avi"})
                AddRow(name, 20);
            Run();
            shownAfterStop += Form.isVisible() || !Main.isEnabled();
            ++nestedWhileRunning;
        }
    };
    Run();
    EXPECT_EQ(nestedWhileRunning, 1); // at the encoder's last words
    EXPECT_EQ(shownAfterStop, 0);
    EXPECT_EQ(F.Jobs.rowCount(), 5);
    EXPECT_EQ(F.LogLines("parameter: ").size(), 1);
    EXPECT_TRUE(F.LogLines("Convert error").isEmpty());        // a stopped job is no failure
    EXPECT_EQ(QFileInfo(F.OutputFolder + "/a.mp4").size(), 8); // what it holds plays
    EXPECT_EQ(Dialogs.MessageTexts(), QStringList{"Are you sure you want to stop the work ? "});
    EXPECT_EQ(Desktop.Opened.size(), 1);
    EXPECT_EQ(Logind.Calls, QStringList{SleepLock});
    EXPECT_EQ(LockOnceRunning, 1);
    EXPECT_FALSE(Logind.Held());
    EXPECT_TRUE(DockCleared());
    QTest::qWait(300);
    EXPECT_TRUE(Notifications.Notes.isEmpty());
}

TEST_F(BatchOnDesktop, PowerOffGivesTheLockBackFirstAndSaysNothing) {
    AddRow("last.avi");
    AddRow("bad.avi");
    End.Shutdown = true;
    int lockAtPowerOff = -1;
    Desktop.OnPowerOff = [&] { lockAtPowerOff = Logind.Held(); };
    Run();
    EXPECT_EQ(Desktop.PowerOffs, 1);
    EXPECT_EQ(ProgramEnds, 1);
    EXPECT_EQ(LockOnceRunning, 1);
    EXPECT_EQ(lockAtPowerOff, 0);
    EXPECT_TRUE(Dialogs.Messages.isEmpty()); // an unattended batch asks nothing
    EXPECT_EQ(F.LogLines("Convert error: ").size(), 1);
    // Nothing after the end ran: the windows stay as the batch left them.
    EXPECT_TRUE(Form.isVisible());
    EXPECT_FALSE(Main.isEnabled());
    QTest::qWait(300);
    EXPECT_TRUE(Notifications.Notes.isEmpty());
}

// Without logind and a notification server on the buses the batch runs as
// it always did: no box, no line in the log or on the console.
TEST_F(BatchOnDesktop, MissingServicesAreNoError) {
    Logind.Withdraw(*SystemBus);
    Notifications.Withdraw(*SessionBus);
    static QStringList printed;
    printed.clear();
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& text) { printed << text; });
    AddRow("alone.avi");
    Run();
    QTest::qWait(300);
    qInstallMessageHandler(previous);
    EXPECT_TRUE(printed.isEmpty()) << printed.join('\n').toStdString();
    EXPECT_TRUE(Dialogs.Messages.isEmpty());
    const QStringList lines = F.LogLines("");
    EXPECT_EQ(lines.size(), 2) << lines.join('\n').toStdString(); // the output folder, the job
    EXPECT_TRUE(Logind.Calls.isEmpty());
    EXPECT_TRUE(Notifications.Notes.isEmpty());
    EXPECT_TRUE(QFileInfo(F.OutputFolder + "/alone.mp4").size() > 0);
}

TEST(BatchSummary, CountsInWords) {
    struct TCase {
        int Converted, Failed;
        QString Summary;
    };
    const QList<TCase> cases = {{3, 0, "3 files converted"},
                                {1, 0, "1 file converted"},
                                {2, 1, "2 files converted, 1 could not be converted"},
                                {1, 2, "1 file converted, 2 could not be converted"},
                                {0, 1, "1 file could not be converted"},
                                {0, 4, "4 files could not be converted"}};
    for (const TCase& c : cases)
        EXPECT_EQ(BatchSummary(c.Converted, c.Failed), c.Summary);
}

} // namespace
