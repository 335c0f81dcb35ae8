#include "media/JobListView.h"
#include "media/JobListModel.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Starts drags the way the mouse does.
class TDraggedList final : public TJobListView {
public:
    using TJobListView::startDrag;
    using TJobListView::TJobListView;
};

// A list showing rows of its own.
class JobListView : public ::testing::Test {
protected:
    void AddRow(const QString& name) {
        Jobs.AddRow({"True", name, "1 KB", "00:00:05", "00:00:00", "00:00:05", "00:00:05"});
    }
    TJobListModel Jobs;
    TDraggedList List{Jobs};
};

TEST_F(JobListView, ColumnsInIndexOrderWithPicturesAndProportionalWidths) {
    List.resize(557, 158);
    List.show();
    QHeaderView* head = List.header();
    const QStringList captions{"",           "File Name", "File Size", "Duration",
                               "Start Time", "End Time",  "Cut Time"};
    ASSERT_EQ(head->count(), 7);
    for (int column = 0; column < 7; ++column) {
        EXPECT_EQ(Jobs.headerData(column, Qt::Horizontal).toString(), captions[column]);
        const QVariant picture = Jobs.headerData(column, Qt::Horizontal, Qt::DecorationRole);
        EXPECT_EQ(picture.value<QIcon>().isNull(), column == 0) << column;
    }
    EXPECT_TRUE(List.isColumnHidden(0));
    EXPECT_FALSE(head->sectionsMovable());
    EXPECT_EQ(head->sectionResizeMode(1), QHeaderView::Interactive);
    EXPECT_EQ(List.selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_FALSE(List.rootIsDecorated());

    const auto filled = [&] {
        int sum = 0;
        for (int column = 1; column < 7; ++column)
            sum += List.columnWidth(column);
        return sum == List.viewport()->width();
    };
    EXPECT_TRUE(filled());
    EXPECT_NEAR(double(List.columnWidth(1)) / List.columnWidth(2), 68.0 / 28, 0.1);

    // A column the user widens keeps its width; the list stays filled.
    head->resizeSection(2, List.columnWidth(2) + 30);
    const int widened = List.columnWidth(2);
    List.resize(700, 158);
    List.resize(557, 158);
    EXPECT_NEAR(List.columnWidth(2), widened, 2);
    EXPECT_TRUE(filled());
}

TEST_F(JobListView, CellsNeverOpenAnEditor) {
    List.resize(557, 158);
    List.show();
    AddRow("/v/a.mp4");
    for (int column = 1; column < 7; ++column) {
        const QModelIndex cell = Jobs.index(0, column);
        QTest::mouseDClick(List.viewport(), Qt::LeftButton, {}, List.visualRect(cell).center());
        static_cast<QAbstractItemView&>(List).edit(cell);
        QTest::keyClick(&List, Qt::Key_F2);
        EXPECT_FALSE(List.isPersistentEditorOpen(cell)) << column;
        EXPECT_EQ(List.findChild<QLineEdit*>(), nullptr) << column;
    }
    EXPECT_EQ(Jobs.Text(0, 1), "/v/a.mp4");
}

TEST_F(JobListView, DeleteKeyAsksForRemovalOtherKeysDoNot) {
    QSignalSpy removal(&List, &TJobListView::dxTreeSourceFileInfoKeyDown);
    AddRow("/v/a.mp4");
    AddRow("/v/b.mp4");
    List.setCurrentIndex(Jobs.index(0, 1));
    for (const Qt::Key key : {Qt::Key_Backspace, Qt::Key_Down, Qt::Key_X, Qt::Key_Space})
        QTest::keyClick(&List, key);
    EXPECT_EQ(removal.count(), 0);
    EXPECT_EQ(Jobs.rowCount(), 2);
    EXPECT_EQ(List.currentIndex().row(), 1) << "other keys still move the focus";
    QTest::keyClick(&List, Qt::Key_Delete);
    EXPECT_EQ(removal.count(), 1);
}

TEST_F(JobListView, DragThatEndsOutsideTheListAsksForRemoval) {
    List.resize(557, 158);
    List.show();
    QSignalSpy draggedOut(&List, &TJobListView::dxTreeSourceFileInfoEndDrag);
    AddRow("/v/a.mp4");
    // With nothing selected there is nothing to drag.
    List.startDrag(Qt::MoveAction);
    EXPECT_EQ(draggedOut.count(), 0);
    List.selectionModel()->select(Jobs.index(0, 1), QItemSelectionModel::Select);
    // The offscreen platform ends every drag at once on no target.
    List.startDrag(Qt::MoveAction);
    EXPECT_EQ(draggedOut.count(), 1);
    EXPECT_EQ(Jobs.rowCount(), 1) << "the list leaves removal to its window";
}

} // namespace
