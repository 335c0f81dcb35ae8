#include "media/JobList.h"
#include "media/JobColumnTexts.h"
#include "media/JobListView.h"
#include "media/MediaGraph.h"
#include "media/MediaSamples.h"
#include "media/OpenSourceDialog.h"
#include "support/Errors.h"
#include "support/Globals.h"
#include "testsupport/ScriptedDialogs.h"
#include "testsupport/TestFolders.h"

#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <unistd.h>

namespace {

const QString ReadingError = "Files reading error! Please check your files.";

// Sample sources shared by the tests of this file, made once.
class JobList : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        Samples = new TTestFolder;
        const QString at = Samples->Path();
        ASSERT_TRUE(MakeSample(at + "long.mp4", 65.2));
        for (const char* name : {"Clip.AVI", "a.mov", "b.flv", "c.3gp", "d.wmv", "e.mpg"})
            ASSERT_TRUE(MakeSample(at + name, 2.0)) << name;
        ASSERT_TRUE(MakeSample(at + "short.mp4", 0.9));
        ASSERT_TRUE(MakeUndecodableVideoAvi(at + "unknown.avi", 2.0));
        ASSERT_TRUE(MakeUndecodableOnlyAvi(at + "nothing.avi", 2.0));
        ASSERT_FALSE(WritePlaylist(at + "funny.avi", at + "long.mp4").isEmpty());
        ASSERT_TRUE(QFile::copy(at + "a.mov", at + "Case.mov"));
        ASSERT_TRUE(QFile::copy(at + "a.mov", at + "case.mov"));
        ASSERT_TRUE(QFile::copy(at + "a.mov", at + "noextension"));
        ASSERT_TRUE(QFile::copy(at + "a.mov", Samples->MakeFolder("film.avi") + "inside"));
        Samples->WriteFile(".avi", "plain words, no pictures\n");
        Samples->WriteFile("notes.txt", "plain words\n");
        Samples->WriteFile("zero.mp4");
        // A name that isn't UTF-8 beside the file its look-alike spelling
        // (the bad byte read as U+FFFD) names.
        ASSERT_TRUE(QFile::copy(at + "a.mov", LookAlike()));
        ASSERT_EQ(::link(QFile::encodeName(at + "a.mov").constData(),
                         (QFile::encodeName(at) + "bad\xff.mov").constData()),
                  0);
    }
    static QString LookAlike() {
        return Samples->Path() + "bad" + QChar::ReplacementCharacter + ".mov";
    }
    static void TearDownTestSuite() {
        delete Samples;
        Samples = nullptr;
    }
    static QString Sample(const QString& name) { return Samples->Path() + name; }

    void Add(const QStringList& names) { AddSourceFiles(Jobs, names); }
    void Select(int row) {
        List.selectionModel()->select(Jobs.index(row, 0),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }

    static TTestFolder* Samples;
    TJobListModel Jobs;
    TJobListView List{Jobs};
    TScriptedDialogs Dialogs;
};

TTestFolder* JobList::Samples = nullptr;

TEST_F(JobList, NewRowHoldsItsSevenTexts) {
    const QString path = Sample("long.mp4");
    Add({path});
    ASSERT_EQ(Jobs.rowCount(), 1);
    QStringList texts;
    for (int column = 0; column < TJobListView::ColumnCount; ++column)
        texts << Jobs.Text(0, column);
    const QString size = CommonLib->FormatFileSize(QFileInfo(path).size());
    EXPECT_EQ(texts,
              QStringList({"True", path, size, "00:01:05", "00:00:00", "00:01:05", "00:01:05"}));
    EXPECT_TRUE(Dialogs.Messages.isEmpty());
}

TEST_F(JobList, ContainersAreAcceptedAndAppendedInOrder) {
    const QStringList names{Sample("a.mov"),      Sample("b.flv"), Sample("c.3gp"),
                            Sample("d.wmv"),      Sample("e.mpg"), Sample("Clip.AVI"),
                            Sample("unknown.avi")};
    Add(names.mid(0, 3));
    Select(1);
    Add(names.mid(3));
    EXPECT_EQ(ColumnTexts(Jobs, TJobListView::dxtrlSourceFileName), names);
    EXPECT_EQ(ColumnTexts(Jobs, TJobListView::dxtrlSourceFileDuration), QStringList(7, "00:00:02"));
    EXPECT_EQ(SelectedRows(&List), QList<int>{1}) << "existing selection is kept";
    EXPECT_TRUE(Dialogs.Messages.isEmpty());
}

TEST_F(JobList, ListedNamesAndOtherTypesAreSkippedSilently) {
    Add({Sample("Case.mov"), Sample("Case.mov")});
    Add({Sample("Case.mov"), Sample("noextension"), Sample("film.avi/inside"), Sample("notes.txt"),
         Sample("case.mov")});
    EXPECT_EQ(ColumnTexts(Jobs, TJobListView::dxtrlSourceFileName),
              QStringList({Sample("Case.mov"), Sample("case.mov")}));
    EXPECT_TRUE(Dialogs.Messages.isEmpty());
}

TEST_F(JobList, EachUnreadableFileShowsItsOwnWarning) {
    const struct {
        QStringList Names;
        int Boxes;
    } cases[] = {
        {{Sample(".avi")}, 1},
        {{Sample("zero.mp4")}, 1},
        {{Sample("short.mp4")}, 1},
        {{Sample("nothing.avi")}, 1}, // no stream of it can be decoded
        {{Sample("funny.avi")}, 1},   // a playlist naming another file
        {{Sample("zero.mp4"), Sample("a.mov"), Sample("short.mp4")}, 2},
        {{LookAlike()}, 1},
    };
    for (const auto& c : cases) {
        Dialogs.Messages.clear();
        Jobs.Clear();
        Add(c.Names);
        ASSERT_EQ(Dialogs.Messages.size(), c.Boxes) << c.Names.join(' ').toStdString();
        for (const auto& shown : Dialogs.Messages) {
            EXPECT_EQ(shown.Text, ReadingError);
            EXPECT_EQ(shown.Caption, "Quenvo");
            EXPECT_EQ(shown.Icon, TMsgIcon::Warning);
        }
        EXPECT_EQ(Jobs.rowCount(), c.Names.contains(Sample("a.mov")) ? 1 : 0);
    }
}

// A graph that reports the same duration for every file, whether or not the
// file is there.
class TFixedGraph final : public TMediaGraph {
public:
    void MakeActive() override { IsActive = true; }
    void MakeInactive() override { IsActive = false; }
    bool Active() const override { return IsActive; }
    void RemoveAllFilters() override {}
    int RenderFile(const QString&) override { return IsActive ? 0 : -1; }
    qint64 DurationMs() const override { return IsActive ? 7000 : 0; }
    bool IsActive = false;
};

TEST_F(JobList, FileWhoseSizeCantBeReadGetsNoRowAndTheRestGoOn) {
    TFixedGraph graph;
    AddSourceFiles(Jobs, {Sample("gone.mp4"), Sample("a.mov")}, graph);
    EXPECT_EQ(ColumnTexts(Jobs, TJobListView::dxtrlSourceFileName), QStringList({Sample("a.mov")}));
    EXPECT_EQ(ColumnTexts(Jobs, TJobListView::dxtrlSourceFileDuration), QStringList({"00:00:07"}));
    EXPECT_EQ(Dialogs.MessageTexts(), QStringList({ReadingError}));
    EXPECT_FALSE(graph.Active()) << "the graph is released at the end";
    EXPECT_THROW(CommonLib->ReadFileSize(Sample("gone.mp4")), EQuenvoError);
}

TEST_F(JobList, DialogOffersFiltersAndDropsRepeatedNames) {
    TOpenSourceDialog dialog;
    const QString a = Sample("a.mov"), b = Sample("b.flv");
    Dialogs.OpenAnswers = {{b, a, b}, {b, a, b}, {}};
    EXPECT_EQ(ChooseSourceFiles(dialog, true, "/start/"), QStringList({b, a}));
    EXPECT_EQ(ChooseSourceFiles(dialog, false, "/start/"), QStringList({b, a, b}));
    EXPECT_EQ(dialog.FileName, b);
    EXPECT_TRUE(ChooseSourceFiles(dialog, true, "/other/").isEmpty());
    EXPECT_EQ(dialog.FileName, b) << "a cancel keeps the last file name";
    EXPECT_EQ(Dialogs.OpenFolders, QStringList({"/start/", "/start/", "/other/"}));

    // Each entry's shown text, then the patterns the dialog filters by.
    EXPECT_EQ(Dialogs.OpenFilters.first(),
              QStringList({"Supported Files (*.3gp *.mp4 *.m4v *.mpeg *.3g2 *.mpg *.avi *.asf "
                           "*.mov *.wmv *.flv *.swf *.rm *.rmvb *.vob)",
                           "3GP, 3G2 Files (*.3gp,*.3g2) (*.3gp)", "AVI Files (*.avi) (*.avi)",
                           "ASF Files (*.asf) (*.asf)", "MOV Files (*.mov) (*.mov)",
                           "FLV ,SWF Flash Video (*.flv,swf) (*.flv *.swf)",
                           "MP4 File (*.mp4,*.m4v) (*.mp4 *.m4v)",
                           "MPEG Files (*.mpeg,*.mpg) (*.mpeg *.mpg)",
                           "RM, RMVB (*.rm,*.rmvb) (*.rm *.rmvb)",
                           "VOB Video Files (*.vob) (*.vob)", "WMV Video Files (*.wmv) (*.wmv)"}));
}

TEST_F(JobList, RemovalFocusesTheRowAboveTheFocusedOneIfItSurvives) {
    const struct {
        QList<int> Selected;
        int Focused;
        QStringList Left;
        QString Current; // empty: no row focused
        int SelectedLeft;
    } cases[] = {
        {{3}, 3, {"1", "2", "4"}, "2", 1},     {{2, 3}, 3, {"1", "4"}, "", 0},
        {{1}, 1, {"2", "3", "4"}, "", 0},      {{2, 4}, 1, {"1", "3"}, "1", 0},
        {{}, 2, {"1", "2", "3", "4"}, "2", 0},
    };
    for (const auto& c : cases) {
        // Four rows "1" to "4" with the given rows selected and one focused.
        Jobs.Clear();
        for (int row = 1; row <= 4; ++row)
            Jobs.AddRow({"True", QString::number(row)});
        List.setCurrentIndex(Jobs.index(c.Focused - 1, 0));
        List.clearSelection();
        for (int row : c.Selected)
            Select(row - 1);
        RemoveSelectedJobs(&List);
        EXPECT_EQ(ColumnTexts(Jobs, TJobListView::dxtrlSourceFileName), c.Left);
        const int current = List.currentIndex().row();
        EXPECT_EQ(Jobs.Text(current, 1), c.Current);
        EXPECT_EQ(SelectedRows(&List), c.SelectedLeft ? QList<int>{current} : QList<int>());
        EXPECT_TRUE(List.updatesEnabled());
    }
}

} // namespace
