#include "app/FrmMainForm.h"
#include "app/ShellTestSupport.h"
#include "app/Startup.h"
#include "convert/EncoderName.h"
#include "convert/FrmConverting.h"
#include "media/JobColumnTexts.h"
#include "media/JobListView.h"
#include "media/MediaSamples.h"
#include "support/Globals.h"
#include "support/PictureButton.h"
#include "testsupport/PrivateBus.h"
#include "testsupport/RecordingDesktop.h"
#include "testsupport/ScriptedDialogs.h"
#include "testsupport/TestFolders.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <qpa/qwindowsysteminterface.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Starts of the program as the desktop makes them: in this process through
// RunQuenvo, and as further processes of the built program, on the session
// bus the test names.
class Session : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        Samples = new TTestFolder;
        for (const char* name : {"a.avi", "b.mov", "c.mp4"})
            ASSERT_TRUE(MakeSample(Samples->Path() + name, 2.0)) << name;
        ASSERT_TRUE(MakeSample(Samples->Path() + "long.avi", 300.0));
    }
    static void TearDownTestSuite() {
        delete Samples;
        Samples = nullptr;
    }
    void SetUp() override {
        CopySiblings(AppFolder.Path());
        ASSERT_TRUE(QFile::copy(BuildAppFolder() + "ravlin", AppFolder.Path() + "ravlin"));
        SavedBus = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    }
    void TearDown() override { qputenv("DBUS_SESSION_BUS_ADDRESS", SavedBus); }

    static QString Sample(const QString& name) { return Samples->Path() + name; }
    static TFrmMainForm* MainWindow() {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* main = qobject_cast<TFrmMainForm*>(window); main && main->isVisible())
                return main;
        return nullptr;
    }
    static QStringList Rows() {
        const TFrmMainForm* main = MainWindow();
        return main ? ColumnTexts(*main->Jobs, TJobListView::dxtrlSourceFileName) : QStringList();
    }
    // Another start of the built program with these words, on the bus at
    // that address; the test ends it if it is still running.
    QProcess* StartAnother(const QStringList& words, const QString& busAddress) {
        auto* process = new QProcess;
        Others.emplace_back(process);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DBUS_SESSION_BUS_ADDRESS", busAddress);
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        process->setProcessEnvironment(environment);
        process->setProcessChannelMode(QProcess::ForwardedChannels);
        process->start(BuildAppFolder() + "quenvo", words);
        return process;
    }
    void TearDownOthers() {
        for (const auto& process : Others) {
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished(5000);
            }
        }
    }
    ~Session() override { TearDownOthers(); }

    static TTestFolder* Samples;
    TTestFolder AppFolder;
    TAppFolderGuard FolderGuard{AppFolder.Path()};
    TScriptedDialogs Dialogs;
    TRecordingDesktop Desktop;
    TQuickSplash Quick;
    QByteArray SavedBus;
    // A program that lives on without its window fails the test instead of
    // holding it.
    TRunGuard Running;
    std::vector<std::unique_ptr<QProcess>> Others;
};

TTestFolder* Session::Samples = nullptr;

// The words of a start go through the checks of a drop, after the splash:
// a relative path is read from the current folder, and option-like words,
// folders and missing files are left out without a message.
TEST_F(Session, FilesGivenAtStartLandAsRows) {
    TTestFolder elsewhere;
    const QString folder = elsewhere.MakeFolder("clips.avi");
    const QString notes = elsewhere.WriteFile("notes.txt", "words");
    const QString previous = QDir::currentPath();
    QDir::setCurrent(Samples->Path());
    bool splashGone = false;
    QStringList rows;
    WhenReady([] { return MainWindow() && !VisibleSplash() && Rows().size() == 2; },
              [&] {
                  splashGone = true;
                  rows = Rows();
                  MainWindow()->actCloseWindow();
              });

    const int code = RunQuenvo({"a.avi", "--help", "-b.mov", folder, Sample("missing.mov"), notes,
                                Sample("b.mov"), Sample("a.avi")});
    QDir::setCurrent(previous);

    EXPECT_EQ(code, 0);
    EXPECT_TRUE(splashGone);
    EXPECT_EQ(rows, QStringList({Sample("a.avi"), Sample("b.mov")}));
    EXPECT_TRUE(Dialogs.Messages.isEmpty()) << Dialogs.MessageTexts().join("\n").toStdString();
}

// A second start hands its files to the first over the session bus and
// ends at once with 0; a start without files only brings the first to the
// front. Without a bus, each start is a program of its own.
TEST_F(Session, SecondStartHandsItsFilesToTheFirstOrRunsOnItsOwnWithoutABus) {
    TPrivateBus bus;
    ASSERT_FALSE(bus.Address().isEmpty());
    const QString noBus = "unix:path=/nonexistent/quenvo-test-session-bus";
    struct TCase {
        QString Address;
        bool HandsOver;
    };
    for (const TCase& c : {TCase{bus.Address(), true}, TCase{noBus, false}}) {
        qputenv("DBUS_SESSION_BUS_ADDRESS", c.Address.toUtf8());
        QList<int> codes;
        bool stillRunning = false;
        QStringList rows;
        WhenReady(
            [] { return MainWindow() && Rows().size() == 1; },
            [&] {
                QProcess* second = StartAnother({Sample("b.mov"), Sample("c.mp4")}, c.Address);
                QProcess* third = StartAnother({}, c.Address);
                // The splash of a start on its own lasts two seconds.
                QTimer::singleShot(4000, [&, second, third] {
                    for (QProcess* start : {second, third}) {
                        stillRunning = stillRunning || start->state() != QProcess::NotRunning;
                        if (start->state() == QProcess::NotRunning)
                            codes << (start->exitStatus() == QProcess::NormalExit
                                          ? start->exitCode()
                                          : -1);
                    }
                    TearDownOthers();
                    WaitUntil([] { return Rows().size() >= 3; }, c.HandsOver ? 5000 : 500);
                    rows = Rows();
                    MainWindow()->actCloseWindow();
                });
            });

        EXPECT_EQ(RunQuenvo({Sample("a.avi")}), 0);

        if (c.HandsOver) {
            EXPECT_FALSE(stillRunning);
            EXPECT_EQ(codes, QList<int>({0, 0}));
            EXPECT_EQ(rows, QStringList({Sample("a.avi"), Sample("b.mov"), Sample("c.mp4")}));
        } else {
            EXPECT_TRUE(stillRunning);
            EXPECT_EQ(rows, QStringList({Sample("a.avi")}));
        }
        Others.clear();
    }
}

// Closed from the desktop during a batch, the main window asks as the
// progress window's close does: after No the window stays and the batch goes
// on; after Yes the program ends with the encoder stopped. Files handed over
// meanwhile wait for the batch's end, as the window takes no drop then.
TEST_F(Session, ClosedFromTheDesktopDuringABatchAsksThenEndsOnYes) {
    TPrivateBus bus;
    ASSERT_FALSE(bus.Address().isEmpty());
    qputenv("DBUS_SESSION_BUS_ADDRESS", bus.Address().toUtf8());
    Timing().BeforeRunMs = Timing().AfterRunMs = 50;
    Timing().ProcessPollMs = 20;
    TTestFolder output;
    const auto closeFromDesktop = [](TFrmMainForm* main, int answer, TScriptedDialogs& dialogs) {
        dialogs.Answers = {answer};
        QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::SynchronousDelivery>(
            main->windowHandle());
    };
    const auto batchOutputs = [](int atLeast) {
        return [atLeast] { return CustomProc->BatchRunning && CustomProc->OutputCount >= atLeast; };
    };
    QStringList rowsDuringBatch, rowsAfterStop;
    int handedOverCode = -1;
    bool stayedAfterNo = false, ranAfterNo = false;
    WhenReady([] { return MainWindow() && Rows().size() == 1; },
              [&] {
                  TFrmMainForm* main = MainWindow();
                  main->edtOutputFolder->setText(output.Path());
                  main->chkShowOutputDirectory->setChecked(false);
                  WhenReady(batchOutputs(1), [&, main] {
                      QProcess* second = StartAnother({Sample("b.mov")}, bus.Address());
                      WhenReady(
                          [second] { return second->state() == QProcess::NotRunning; },
                          [&, main, second] {
                              handedOverCode = second->exitCode();
                              rowsDuringBatch = Rows();
                              closeFromDesktop(main, mrNo, Dialogs);
                              stayedAfterNo = main->isVisible() && CustomProc->BatchRunning;
                              WhenReady(batchOutputs(CustomProc->OutputCount + 2), [&] {
                                  ranAfterNo = true;
                                  // The batch stopped, the handed-over file joins the list.
                                  Dialogs.Answers = {mrYes};
                                  for (QWidget* window : QApplication::topLevelWidgets())
                                      if (auto* progress = qobject_cast<TfrmConverting*>(window))
                                          QTest::mouseClick(progress->btnStop, Qt::LeftButton);
                              });
                          });
                  });
                  QTest::mouseClick(main->btnConvert, Qt::LeftButton);
                  // Converted again, and closed from the desktop with Yes.
                  WhenReady([] { return Rows().size() == 2 && !CustomProc->BatchRunning; },
                            [&, main] {
                                rowsAfterStop = Rows();
                                WhenReady(batchOutputs(1),
                                          [&, main] { closeFromDesktop(main, mrYes, Dialogs); });
                                QTest::mouseClick(main->btnConvert, Qt::LeftButton);
                            });
              });

    EXPECT_EQ(RunQuenvo({Sample("long.avi")}), 0);

    EXPECT_EQ(handedOverCode, 0);
    EXPECT_EQ(rowsDuringBatch, QStringList{Sample("long.avi")});
    EXPECT_TRUE(stayedAfterNo);
    EXPECT_TRUE(ranAfterNo);
    EXPECT_EQ(rowsAfterStop, QStringList({Sample("long.avi"), Sample("b.mov")}));
    EXPECT_EQ(Dialogs.MessageTexts(), QStringList({"Are you sure to stop processing ?",
                                                   "Are you sure you want to stop the work ? ",
                                                   "Are you sure to stop processing ?"}));
    EXPECT_FALSE(CustomProc->BatchRunning);
    EXPECT_EQ(SysFunc->FindProcess(EncoderProcessName), 0);
}

} // namespace
