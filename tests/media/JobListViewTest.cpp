#include "media/JobListView.h"
#include "media/JobListModel.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

void AddRow(TJobListModel& jobs, const QString& name) {
    jobs.AddRow({"True", name, "1 KB", "00:00:05", "00:00:00", "00:00:05", "00:00:05"});
}

TEST(JobListView, ColumnsInIndexOrderWithPicturesAndProportionalWidths) {
    TJobListModel jobs;
    TJobListView list(jobs);
    list.resize(557, 158);
    list.show();
    QHeaderView* head = list.header();
    const QStringList captions{"",           "File Name", "File Size", "Duration",
                               "Start Time", "End Time",  "Cut Time"};
    ASSERT_EQ(head->count(), 7);
    for (int column = 0; column < 7; ++column) {
        EXPECT_EQ(jobs.headerData(column, Qt::Horizontal).toString(), captions[column]);
        EXPECT_EQ(
            jobs.headerData(column, Qt::Horizontal, Qt::DecorationRole).value<QIcon>().isNull(),
            column == 0)
            << column;
    }
    EXPECT_TRUE(list.isColumnHidden(0));
    EXPECT_FALSE(head->sectionsMovable());
    EXPECT_EQ(head->sectionResizeMode(1), QHeaderView::Interactive);
    EXPECT_EQ(list.selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_FALSE(list.rootIsDecorated());

    const int width = list.viewport()->width();
    int sum = 0;
    for (int column = 1; column < 7; ++column)
        sum += list.columnWidth(column);
    EXPECT_EQ(sum, width);
    EXPECT_NEAR(double(list.columnWidth(1)) / list.columnWidth(2), 68.0 / 28, 0.1);

    // A column the user widens keeps its width; the list stays filled.
    head->resizeSection(2, list.columnWidth(2) + 30);
    const int widened = list.columnWidth(2);
    list.resize(700, 158);
    list.resize(557, 158);
    EXPECT_NEAR(list.columnWidth(2), widened, 2);
    sum = 0;
    for (int column = 1; column < 7; ++column)
        sum += list.columnWidth(column);
    EXPECT_EQ(sum, list.viewport()->width());
}

TEST(JobListView, CellsNeverOpenAnEditor) {
    TJobListModel jobs;
    TJobListView list(jobs);
    list.resize(557, 158);
    list.show();
    AddRow(jobs, "/v/a.mp4");
    for (int column = 1; column < 7; ++column) {
        const QModelIndex cell = jobs.index(0, column);
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, list.visualRect(cell).center());
        static_cast<QAbstractItemView&>(list).edit(cell);
        QTest::keyClick(&list, Qt::Key_F2);
        EXPECT_FALSE(list.isPersistentEditorOpen(cell)) << column;
        EXPECT_EQ(list.findChild<QLineEdit*>(), nullptr) << column;
    }
    EXPECT_EQ(jobs.Text(0, 1), "/v/a.mp4");
}

TEST(JobListView, DeleteKeyAsksForRemovalOtherKeysDoNot) {
    TJobListModel jobs;
    TJobListView list(jobs);
    QSignalSpy removal(&list, &TJobListView::dxTreeSourceFileInfoKeyDown);
    AddRow(jobs, "/v/a.mp4");
    AddRow(jobs, "/v/b.mp4");
    list.setCurrentIndex(jobs.index(0, 1));
    for (const Qt::Key key : {Qt::Key_Backspace, Qt::Key_Down, Qt::Key_X, Qt::Key_Space})
        QTest::keyClick(&list, key);
    EXPECT_EQ(removal.count(), 0);
    EXPECT_EQ(jobs.rowCount(), 2);
    EXPECT_EQ(list.currentIndex().row(), 1) << "other keys still move the focus";
    QTest::keyClick(&list, Qt::Key_Delete);
    EXPECT_EQ(removal.count(), 1);
}

// Starts drags the way the mouse does.
class TDraggedList final : public TJobListView {
public:
    using TJobListView::startDrag;
    using TJobListView::TJobListView;
};

TEST(JobListView, DragThatEndsOutsideTheListAsksForRemoval) {
    TJobListModel jobs;
    TDraggedList list(jobs);
    list.resize(557, 158);
    list.show();
    QSignalSpy draggedOut(&list, &TJobListView::dxTreeSourceFileInfoEndDrag);
    AddRow(jobs, "/v/a.mp4");
    // With nothing selected there is nothing to drag.
    list.startDrag(Qt::MoveAction);
    EXPECT_EQ(draggedOut.count(), 0);
    list.selectionModel()->select(jobs.index(0, 1), QItemSelectionModel::Select);
    // The offscreen platform ends every drag at once on no target.
    list.startDrag(Qt::MoveAction);
    EXPECT_EQ(draggedOut.count(), 1);
    EXPECT_EQ(jobs.rowCount(), 1) << "the list leaves removal to its window";
}

} // namespace
