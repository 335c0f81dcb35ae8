#include "app/FrmMainForm.h"
#include "app/ShellTestSupport.h"
#include "media/JobColumnTexts.h"
#include "media/JobList.h"
#include "media/JobListView.h"
#include "media/MediaSamples.h"
#include "media/PreviewGraph.h"
#include "media/TrimBar.h"
#include "profiles/FrmOption.h"
#include "support/AppFunc.h"
#include "support/Controls.h"
#include "support/Globals.h"
#include "support/PictureButton.h"
#include "support/Timing.h"
#include "testsupport/ScriptedDialogs.h"
#include "testsupport/TestFolders.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QUrl>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

#include <gtest/gtest.h>

namespace {

class MainFormJobList : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        Samples = new TTestFolder;
        for (const char* name : {"a.mp4", "b.avi", "c.mov", "d.flv"})
            ASSERT_TRUE(MakeSample(Samples->Path() + name, 2.0)) << name;
        // Apart from the others, which the open dialog lists.
        const QString refused = Samples->MakeFolder("refused");
        ASSERT_TRUE(MakeUndecodableOnlyAvi(refused + "nothing.avi", 2.0));
        ASSERT_FALSE(WritePlaylist(refused + "funny.avi", Samples->Path() + "a.mp4").isEmpty());
    }
    static void TearDownTestSuite() {
        delete Samples;
        Samples = nullptr;
    }
    void SetUp() override {
        AppFolder.MakeFolder("Config");
        Form.show();
    }

    static QString Sample(const QString& name) { return Samples->Path() + name; }
    QStringList Names() const { return ColumnTexts(Jobs(), TJobListView::dxtrlSourceFileName); }
    TJobListView* List() const { return Form.dxTreeSourceFileInfo; }
    TJobListModel& Jobs() const { return *Form.Jobs; }
    void SelectOnly(int row) {
        List()->setCurrentIndex(Jobs().index(row, 1));
        List()->selectionModel()->select(Jobs().index(row, 1), QItemSelectionModel::ClearAndSelect |
                                                                   QItemSelectionModel::Rows);
    }
    void Drop(const QStringList& paths) {
        auto* data = new QMimeData;
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls << QUrl::fromLocalFile(path);
        data->setUrls(urls);
        QDragEnterEvent enter(QPoint(300, 400), Qt::CopyAction, data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&Form, &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent drop(QPointF(300, 400), Qt::CopyAction, data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&Form, &drop);
        QCoreApplication::processEvents();
        delete data;
    }

    // Double-clicks as a person does: the four events wait in the window
    // system's queue and arrive one by one, so whatever the first ones start
    // runs while the rest are still waiting.
    void QueueDoubleClick(int row) const {
        QWidget* viewport = List()->viewport();
        const QPoint at = List()->visualRect(Jobs().index(row, 1)).center();
        const QPointF local = viewport->mapTo(&Form, at);
        const QPointF global = viewport->mapToGlobal(at);
        using Async = QWindowSystemInterface::AsynchronousDelivery;
        for (int click = 0; click < 2; ++click) {
            QWindowSystemInterface::handleMouseEvent<Async>(Form.windowHandle(), local, global,
                                                            Qt::LeftButton, Qt::LeftButton,
                                                            QEvent::MouseButtonPress);
            QWindowSystemInterface::handleMouseEvent<Async>(Form.windowHandle(), local, global,
                                                            Qt::NoButton, Qt::LeftButton,
                                                            QEvent::MouseButtonRelease);
        }
    }

    // Appends a row as the list holds it, for a file that needn't exist.
    void AddRow(const QString& path, const QString& duration, const QString& start,
                const QString& end) const {
        Jobs().AddRow({"True", path, "1 KB", duration, start, end, end});
    }
    QString Text(int row, int column) const { return Jobs().Text(row, column); }
    // A click of the left button in the middle of a row.
    void ClickRow(int row) const {
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, {},
                          List()->visualRect(Jobs().index(row, 1)).center());
    }
    void ClickPicture(QWidget* picture, Qt::MouseButton button, Qt::KeyboardModifiers keys,
                      int times = 1) const {
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(picture, button, keys, picture->rect().center());
    }

    static TTestFolder* Samples;
    TTestFolder AppFolder;
    TAppFolderGuard FolderGuard{AppFolder.Path()};
    TScriptedDialogs Dialogs;
    // Showing the main window fills the options dialog's lists, as at start-up.
    TfrmOption Option;
    TFrmMainForm Form;
};

TTestFolder* MainFormJobList::Samples = nullptr;

// The files an open dialog lists, without its folders.
QStringList ListedFiles(const QFileDialog* dialog) {
    QStringList names;
    const auto* view = dialog ? dialog->findChild<QListView*>("listView") : nullptr;
    const auto* model = view ? qobject_cast<QFileSystemModel*>(view->model()) : nullptr;
    if (!model)
        return names;
    for (int row = 0; row < model->rowCount(view->rootIndex()); ++row) {
        const QModelIndex index = model->index(row, 0, view->rootIndex());
        if (!model->isDir(index) && (model->flags(index) & Qt::ItemIsEnabled))
            names << model->fileName(index);
    }
    names.sort();
    return names;
}

TEST_F(MainFormJobList, ListTakesItsPlaceInTheWindow) {
    EXPECT_EQ(Controls.Main.dxTreeSourceFileInfo, List());
    EXPECT_EQ(List()->parentWidget(), &Form);
    const QRect before = List()->geometry();
    EXPECT_EQ(before.topLeft(), QPoint(12, 336));
    EXPECT_EQ(before.width(), 557);
    Form.resize(Form.size() + QSize(100, 50));
    EXPECT_EQ(List()->geometry(), before.adjusted(0, 0, 100, 50)) << "anchored on all sides";
}

// Files no stream of which can be decoded, and playlists naming other files,
// are refused with the reading error; the media files among them are added.
TEST_F(MainFormJobList, AddButtonStartsInTheRememberedFolderAndRefusesNoPlayableMedia) {
    Dialogs.OpenAnswers = {
        {Sample("b.avi"), Sample("a.mp4"), Sample("b.avi")},
        {},
        {Sample("refused/funny.avi"), Sample("refused/nothing.avi"), Sample("c.mov")}};
    QTest::mouseClick(Form.btnOpenFile, Qt::LeftButton);
    QTest::mouseClick(Form.btnOpenFile, Qt::LeftButton); // cancelled: the folder stays stored
    EXPECT_EQ(Dialogs.OpenFolders, QStringList({QDir::homePath() + "/", Samples->Path()}));
    EXPECT_EQ(CustomProc->LoadSourceFolder(), Samples->Path());
    EXPECT_TRUE(Dialogs.Messages.isEmpty());
    QTest::mouseClick(Form.btnOpenFile, Qt::LeftButton);
    EXPECT_EQ(Names(), QStringList({Sample("b.avi"), Sample("a.mp4"), Sample("c.mov")}));
    EXPECT_EQ(Dialogs.MessageTexts(),
              QStringList(2, "Files reading error! Please check your files."));
}

// The Add button's own dialog as a person sees it: every filter entry reads
// as written, and picking one lists only its files.
TEST_F(MainFormJobList, OpenDialogShowsItsFiltersAsWrittenAndFiltersByThem) {
    CustomProc->SaveSourceFolder(Sample("a.mp4"));
    const auto dialog = [] {
        return qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    };
    QStringList shown, listed;
    QElapsedTimer picked;
    WhenReady([&] { return dialog() != nullptr; },
              [&] {
                  auto* types = dialog()->findChild<QComboBox*>("fileTypeCombo");
                  for (int i = 0; i < types->count(); ++i)
                      shown << types->itemText(i);
                  // Two entries down: "AVI Files (*.avi)".
                  types->setFocus();
                  QTest::keyClick(types, Qt::Key_Down);
                  QTest::keyClick(types, Qt::Key_Down);
                  picked.start();
              });
    WhenReady(
        [&] {
            return picked.isValid() &&
                   (ListedFiles(dialog()) == QStringList{"b.avi"} || picked.elapsed() > 5000);
        },
        [&] {
            listed = ListedFiles(dialog());
            auto* name = dialog()->findChild<QLineEdit*>("fileNameEdit");
            QTest::keyClicks(name, "b.avi");
            QTest::keyClick(name, Qt::Key_Return);
        });
    {
        const TDialogsGuard qtDialogs(nullptr); // the dialog itself, not the script
        Form.btnOpenFile->click();
    }

    EXPECT_EQ(shown, QStringList({"Supported Files", "3GP, 3G2 Files (*.3gp,*.3g2)",
                                  "AVI Files (*.avi)", "ASF Files (*.asf)", "MOV Files (*.mov)",
                                  "FLV ,SWF Flash Video (*.flv,swf)", "MP4 File (*.mp4,*.m4v)",
                                  "MPEG Files (*.mpeg,*.mpg)", "RM, RMVB (*.rm,*.rmvb)",
                                  "VOB Video Files (*.vob)", "WMV Video Files (*.wmv)"}));
    EXPECT_EQ(listed, QStringList{"b.avi"});
    EXPECT_EQ(Names(), QStringList{Sample("b.avi")});
}

TEST_F(MainFormJobList, DropsAddLocalFilesInDropOrderWithoutLengthLimit) {
    const QString longFolder = Samples->MakeFolder(QString(120, 'f') + "/" + QString(140, 'g'));
    const QString longPath = longFolder + "clip.mp4";
    ASSERT_TRUE(QFile::copy(Sample("a.mp4"), longPath));
    ASSERT_GT(longPath.size(), 254);
    Drop({Sample("c.mov"), Samples->WriteFile("notes.txt", "words"), longPath});
    Drop({Sample("c.mov"), Sample("d.flv")});
    EXPECT_EQ(Names(), QStringList({Sample("c.mov"), longPath, Sample("d.flv")}));
    EXPECT_TRUE(Dialogs.Messages.isEmpty());
}

TEST_F(MainFormJobList, DeleteKeyRemoveButtonAndDragOutRemoveTheSelectedRows) {
    AddSourceFiles(Jobs(), {Sample("a.mp4"), Sample("b.avi"), Sample("c.mov"), Sample("d.flv")});
    List()->setFocus();
    SelectOnly(3);
    for (const Qt::Key key : {Qt::Key_Backspace, Qt::Key_X, Qt::Key_Escape})
        QTest::keyClick(List(), key);
    EXPECT_EQ(Names().size(), 4) << "other keys remove nothing";
    QTest::keyClick(List(), Qt::Key_Delete);
    EXPECT_EQ(Names(), QStringList({Sample("a.mp4"), Sample("b.avi"), Sample("c.mov")}));
    SelectOnly(2);
    Form.btnRemoveFile->click();
    EXPECT_EQ(Names(), QStringList({Sample("a.mp4"), Sample("b.avi")}));
    EXPECT_EQ(List()->currentIndex().row(), 1) << "same focus rule as Delete";
    SelectOnly(0);
    emit List()->dxTreeSourceFileInfoEndDrag();
    EXPECT_EQ(Names(), QStringList({Sample("b.avi")}));
    Form.btnClearFile->click();
    EXPECT_TRUE(Names().isEmpty());
}

// Rows clicked one after another place the markers from their own segment,
// whatever row was shown before, also where the segments cross or touch.
TEST_F(MainFormJobList, RowClicksPlaceTheMarkersWhateverRowWasShownBefore) {
    TTrimBar* bar = Form.Panel1;
    AddRow("/clips/long.mp4", "00:00:12", "00:00:00", "00:00:12");
    AddRow("/clips/short.mp4", "00:00:06", "00:00:00", "00:00:06");
    AddRow("/clips/still.mp4", "00:00:06", "00:00:03", "00:00:03");
    AddRow("/clips/whole.mp4", "00:00:12", "00:00:00", "00:00:12");
    // The end of the 12 s row 160 pixels left, the start of the 6 s row 160
    // pixels right, ten pixels a Shift-click.
    ClickRow(0);
    ClickPicture(bar->Panel3, Qt::RightButton, Qt::ShiftModifier, 16);
    ASSERT_EQ(Text(0, 5), "00:00:03");
    ClickRow(1);
    ClickPicture(bar->Panel4, Qt::LeftButton, Qt::ShiftModifier, 16);
    ASSERT_EQ(Text(1, 4), "00:00:04");

    const struct {
        QList<int> Clicks;
        int Panel2, Panel3;
    } cases[] = {
        {{0, 1}, 146, 1},   // the start lands where the other row's end picture was
        {{1, 0}, 1, 165},   // and back
        {{0, 2}, 110, 110}, // touching markers after a wide end picture
        {{1, 2}, 110, 110}, // touching markers after a wide start picture
        {{2, 1}, 146, 1},
    };
    for (const auto& c : cases) {
        ClickRow(3); // both markers at the ends
        for (const int row : c.Clicks)
            ClickRow(row);
        const int i = static_cast<int>(&c - cases);
        EXPECT_EQ(bar->Panel2Width(), c.Panel2) << i;
        EXPECT_EQ(bar->Panel3Width(), c.Panel3) << i;
    }

    // A Ctrl-click on the segment moves the start one pixel on from there.
    ClickRow(0);
    ClickRow(1);
    ClickPicture(bar->Panel4, Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(bar->Panel2Width(), 147);
    EXPECT_EQ(Text(1, 4), "00:00:04");
    EXPECT_EQ(Text(1, 6), "00:00:02");

    // A row made current with the keyboard places the markers as a click
    // does: the 6 s row's end is written from its own length, not the 12 s
    // row's (which would give 00:00:11).
    ClickRow(0);
    QTest::keyClick(List(), Qt::Key_Down);
    ClickPicture(bar->Panel4, Qt::RightButton, {});
    EXPECT_EQ(Text(1, 5), "00:00:05");
    EXPECT_EQ(Text(0, 5), "00:00:03");

    // The markers step with Left and Right as the presses beside them do
    // (Shift 10 pixels, Ctrl 1, else 5), and screen readers read and set
    // the seconds they stand for, up to the row's length.
    ClickRow(3);
    QTest::keyClick(bar->Splitter1, Qt::Key_Right);
    QTest::keyClick(bar->Splitter1, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(bar->Splitter1, Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(bar->Panel2Width(), 15);
    QTest::keyClick(bar->Splitter2, Qt::Key_Left);
    EXPECT_EQ(bar->Panel3Width(), 6);
    EXPECT_EQ(Text(3, 5), "00:00:11");
    QAccessibleInterface* start = QAccessible::queryAccessibleInterface(bar->Splitter1);
    QAccessibleInterface* end = QAccessible::queryAccessibleInterface(bar->Splitter2);
    ASSERT_TRUE(start && start->valueInterface() && end && end->valueInterface());
    EXPECT_EQ(start->role(), QAccessible::Slider);
    EXPECT_EQ(start->text(QAccessible::Name), "Start Time");
    EXPECT_EQ(end->text(QAccessible::Name), "End Time");
    EXPECT_EQ(start->valueInterface()->maximumValue().toInt(), 12);
    EXPECT_EQ(end->valueInterface()->currentValue().toInt(), 11);
    start->valueInterface()->setCurrentValue(6);
    EXPECT_EQ(Text(3, 4), "00:00:06");
    EXPECT_EQ(Text(3, 6), "00:00:05");
    EXPECT_EQ(start->valueInterface()->currentValue().toInt(), 6);

    // Removing a row hands the selection to the row above it, which places
    // the markers from its own length, not the removed row's.
    ClickRow(1);
    ClickRow(0);
    const int startWidth = bar->Panel2Width(), endWidth = bar->Panel3Width();
    ClickRow(1);
    QTest::keyClick(List(), Qt::Key_Delete);
    EXPECT_EQ(bar->Panel2Width(), startWidth);
    EXPECT_EQ(bar->Panel3Width(), endWidth);
}

// The last click of a double-click arrives while the player is still
// opening the row's file; it must not unload what it has just started, also
// when the memory trim's tick serves window events in the meantime. Remove
// (also with nothing selected) and Clear stop a running preview.
TEST_F(MainFormJobList, DoubleClickOnARowPlaysItRemoveAndClearStopIt) {
    TPreviewGraph::AudioOutput = "null";
    Drop({Sample("a.mp4"), Sample("b.avi")});
    ASSERT_EQ(Names().size(), 2);
    for (const bool trimTicks : {false, true}) {
        CustomProc->StopPlayback();
        // Ticking at every pass of the event loop, the trim surely ticks
        // inside the wait for the player.
        if (trimTicks)
            Form.tmrClearMemory.start(0);
        QueueDoubleClick(1);
        EXPECT_TRUE(QTest::qWaitFor([] { return CustomProc->Playing; }, 5000)) << trimTicks;
        QTest::qWait(300); // every queued click has been served
        Form.tmrClearMemory.stop();
        EXPECT_TRUE(CustomProc->Playing) << trimTicks;
        EXPECT_EQ(CommonLib->CurrentFile, Sample("b.avi")) << trimTicks;
        // Stop then serves the row again.
        Form.RzBmpButton1->click();
        EXPECT_TRUE(CommonLib->CurrentFile.isEmpty()) << trimTicks;
    }
    EXPECT_FALSE(QFile(AppFolder.Path() + "log.txt").exists()) << "no load failed";
    for (TPictureButton* button : {Form.btnRemoveFile, Form.btnClearFile}) {
        List()->clearSelection();
        CustomProc->OpenAndPlay(Sample("b.avi"));
        ASSERT_TRUE(CustomProc->Playing);
        button->click();
        EXPECT_FALSE(CustomProc->Playing);
        EXPECT_TRUE(CommonLib->CurrentFile.isEmpty());
    }
    EXPECT_TRUE(Names().isEmpty());
    TPreviewGraph::AudioOutput.clear();
}

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QStringList Entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// What a person does on a first start: adds a file with Add, opens Add once
// more and cancels, keeps the settings as a custom profile, picks an output
// folder and converts.
class UserFiles : public MainFormJobList {
protected:
    void SetUp() override {
        MainFormJobList::SetUp();
        Timing().BeforeRunMs = Timing().AfterRunMs = 50;
        Timing().AfterOutputMs = 100;
        Timing().ProcessPollMs = 20;
        if (Form.chkShowOutputDirectory->isChecked())
            Form.chkShowOutputDirectory->click();
    }
    void StartAndWork(const QString& appFolder, const QString& outputFolder) {
        TAppFunc::OverrideApplicationFolder(appFolder);
        AppFunc->CreateUserFolders();
        Dialogs.OpenAnswers = {{Sample("a.mp4")}, {}};
        Form.btnOpenFile->click();
        Form.btnOpenFile->click();
        Dialogs.InputAnswers = {"Travel"};
        Option.btnAdd->click();
        Dialogs.FolderAnswers = {outputFolder};
        Form.btnSelectOutputFolder->click();
        Form.btnConvert->click();
        Form.btnClearFile->click();
    }
    TTimingGuard Saved;
};

// Installed, the program's folder is not the user's to write: the same work
// leaves the same files in the XDG folders, and nothing beside the program.
TEST_F(UserFiles, InstalledProgramKeepsThemInTheXdgFoldersAsAPortableOneBesideItself) {
    if (!HasPrivateMounts()) {
        QString output;
        EXPECT_EQ(RunTestWithPrivateMounts(&output), 0) << output.toStdString();
        return;
    }
    TTestFolder xdg, installed, output;
    qputenv("XDG_CONFIG_HOME", (xdg.Path() + "config").toUtf8());
    qputenv("XDG_STATE_HOME", (xdg.Path() + "state").toUtf8());
    for (const QString& folder : {AppFolder.Path(), installed.Path()})
        ASSERT_TRUE(QFile::copy(BuildAppFolder() + "ravlin", folder + "ravlin"));
    const TReadOnlyMount readOnly(installed.Path());
    ASSERT_TRUE(readOnly.ReadOnly());
    ASSERT_FALSE(QFile(installed.Path() + "probe").open(QIODevice::WriteOnly));

    StartAndWork(AppFolder.Path(), output.MakeFolder("portable"));
    EXPECT_EQ(Entries(xdg.Path()), QStringList()) << "the portable layout stays beside the program";
    EXPECT_EQ(Entries(AppFolder.Path()), QStringList({"Config", "log.txt", "ravlin"}));
    StartAndWork(installed.Path(), output.MakeFolder("installed"));
    EXPECT_EQ(Entries(installed.Path()), QStringList{"ravlin"});

    EXPECT_EQ(Bytes(AppFolder.Path() + "Config/UserProfileCount.ini"),
              "\r\n[count]\r\ncount=1\r\n");
    for (const char* name : {"UserSettings.ini", "UserProfileCount.ini", "UserProfileInfo.ini"})
        EXPECT_EQ(Bytes(xdg.Path() + "config/quenvo/Config/" + name),
                  Bytes(AppFolder.Path() + "Config/" + name))
            << name;
    EXPECT_EQ(Dialogs.OpenFolders, QStringList({QDir::homePath() + "/", Samples->Path(),
                                                QDir::homePath() + "/", Samples->Path()}));
    // Each log holds its own conversion's command line.
    const QList<std::pair<QString, QString>> logs = {
        {AppFolder.Path() + "log.txt", AppFolder.Path()},
        {xdg.Path() + "state/quenvo/log.txt", installed.Path()}};
    for (const auto& [log, appFolder] : logs)
        EXPECT_EQ(Bytes(log).count("|parameter: " + appFolder.toUtf8() + "ravlin -y -i "), 1)
            << Bytes(log).toStdString();
    for (const char* layout : {"portable", "installed"})
        EXPECT_TRUE(QFile::exists(output.Path() + layout + "/a.mp4")) << layout;
    EXPECT_TRUE(Dialogs.Messages.isEmpty()) << Dialogs.MessageTexts().join("\n").toStdString();
}

} // namespace
