#include "app/FrmMainForm.h"
#include "media/JobListView.h"
#include "media/MediaSamples.h"
#include "media/PreviewGraph.h"
#include "profiles/FrmOption.h"
#include "support/AppFunc.h"
#include "support/Controls.h"
#include "support/Globals.h"
#include "support/PictureButton.h"
#include "testsupport/ScriptedDialogs.h"
#include "testsupport/TestFolders.h"

#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

#include <gtest/gtest.h>

namespace {

class MainFormJobList : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!CommonLib)
            CreateGlobalObjects();
        Samples = new TTestFolder;
        for (const char* name : {"a.mp4", "b.avi", "c.mov", "d.flv"})
            ASSERT_TRUE(MakeSample(Samples->Path() + name, 2.0)) << name;
    }
    static void TearDownTestSuite() {
        delete Samples;
        Samples = nullptr;
    }
    void SetUp() override {
        AppFolder.MakeFolder("Config");
        TAppFunc::OverrideApplicationFolder(AppFolder.Path());
        Form.show();
    }
    void TearDown() override { TAppFunc::OverrideApplicationFolder({}); }

    static QString Sample(const QString& name) { return Samples->Path() + name; }
    QStringList Names() const {
        QStringList names;
        for (int row = 0; row < List()->topLevelItemCount(); ++row)
            names << List()->topLevelItem(row)->text(TJobListView::dxtrlSourceFileName);
        return names;
    }
    TJobListView* List() const { return Form.dxTreeSourceFileInfo; }
    void SelectOnly(int row) {
        List()->setCurrentItem(List()->topLevelItem(row));
        List()->clearSelection();
        List()->topLevelItem(row)->setSelected(true);
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
        const QPoint at = List()->visualItemRect(List()->topLevelItem(row)).center();
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

    static TTestFolder* Samples;
    TTestFolder AppFolder;
    TScriptedDialogs Dialogs;
    // Showing the main window fills the options dialog's lists, as at start-up.
    TfrmOption Option;
    TFrmMainForm Form;
};

TTestFolder* MainFormJobList::Samples = nullptr;

TEST_F(MainFormJobList, ListTakesItsPlaceInTheWindow) {
    EXPECT_EQ(Controls.Main.dxTreeSourceFileInfo, List());
    EXPECT_EQ(List()->parentWidget(), &Form);
    const QRect before = List()->geometry();
    EXPECT_EQ(before.topLeft(), QPoint(12, 336));
    EXPECT_EQ(before.width(), 557);
    Form.resize(Form.size() + QSize(100, 50));
    EXPECT_EQ(List()->geometry(), before.adjusted(0, 0, 100, 50)) << "anchored on all sides";
}

TEST_F(MainFormJobList, AddButtonStartsInTheRememberedFolderAndStoresItAgain) {
    Dialogs.OpenAnswers = {{Sample("b.avi"), Sample("a.mp4"), Sample("b.avi")}, {}};
    Form.btnOpenFile->click();
    EXPECT_EQ(Names(), QStringList({Sample("b.avi"), Sample("a.mp4")}));
    Form.btnOpenFile->click(); // cancelled: adds nothing, the folder stays stored
    EXPECT_EQ(Names().size(), 2);
    EXPECT_EQ(Dialogs.OpenFolders, QStringList({QDir::homePath() + "/", Samples->Path()}));
    EXPECT_EQ(CustomProc->LoadSourceFolder(), Samples->Path());
    EXPECT_TRUE(Dialogs.Messages.isEmpty());
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
    CommonLib->AddSourceFiles(List(),
                              {Sample("a.mp4"), Sample("b.avi"), Sample("c.mov"), Sample("d.flv")});
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
    EXPECT_EQ(List()->currentItem(), List()->topLevelItem(1)) << "same focus rule as Delete";
    SelectOnly(0);
    emit List()->dxTreeSourceFileInfoEndDrag();
    EXPECT_EQ(Names(), QStringList({Sample("b.avi")}));
    Form.btnClearFile->click();
    EXPECT_TRUE(Names().isEmpty());
}

} // namespace

namespace {

// Remove (also with nothing selected) and Clear stop a running preview.
TEST_F(MainFormJobList, RemoveAndClearStopThePreview) {
    TPreviewGraph::AudioOutput = "null";
    Drop({Sample("a.mp4"), Sample("b.avi")});
    ASSERT_EQ(Names().size(), 2);
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

// The last click of a double-click arrives while the player is still
// opening the row's file; it must not unload what it has just started.
TEST_F(MainFormJobList, DoubleClickOnARowPlaysIt) {
    TPreviewGraph::AudioOutput = "null";
    Drop({Sample("a.mp4"), Sample("b.avi")});
    ASSERT_EQ(Names().size(), 2);
    QueueDoubleClick(1);
    EXPECT_TRUE(QTest::qWaitFor([] { return CustomProc->Playing; }, 5000));
    QTest::qWait(300); // every queued click has been served
    EXPECT_TRUE(CustomProc->Playing);
    EXPECT_EQ(CommonLib->CurrentFile, Sample("b.avi"));
    CustomProc->StopPlayback();
    TPreviewGraph::AudioOutput.clear();
}

} // namespace
