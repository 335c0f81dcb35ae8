#include "media/JobListView.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QTreeWidgetItem* AddRow(TJobListView& list, const QString& name) {
    return new QTreeWidgetItem(
        &list, {"True", name, "1 KB", "00:00:05", "00:00:00", "00:00:05", "00:00:05"});
}

TEST(JobListView, ColumnsInIndexOrderWithPicturesAndProportionalWidths) {
    TJobListView list;
    list.resize(557, 158);
    list.show();
    QHeaderView* head = list.header();
    const QStringList captions{"",           "File Name", "File Size", "Duration",
                               "Start Time", "End Time",  "Cut Time"};
    ASSERT_EQ(list.columnCount(), 7);
    for (int column = 0; column < 7; ++column) {
        EXPECT_EQ(list.headerItem()->text(column), captions[column]);
        EXPECT_EQ(list.headerItem()->icon(column).isNull(), column == 0) << column;
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
    TJobListView list;
    list.resize(557, 158);
    list.show();
    QTreeWidgetItem* row = AddRow(list, "/v/a.mp4");
    row->setFlags(row->flags() | Qt::ItemIsEditable);
    for (int column = 1; column < 7; ++column) {
        const QRect cell = list.visualItemRect(row);
        const int x = list.header()->sectionViewportPosition(column) + 5;
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, QPoint(x, cell.center().y()));
        list.editItem(row, column);
        QTest::keyClick(&list, Qt::Key_F2);
        EXPECT_FALSE(list.isPersistentEditorOpen(row, column)) << column;
        EXPECT_EQ(list.findChild<QLineEdit*>(), nullptr) << column;
    }
    EXPECT_EQ(row->text(1), "/v/a.mp4");
}

TEST(JobListView, DeleteKeyAsksForRemovalOtherKeysDoNot) {
    TJobListView list;
    QSignalSpy removal(&list, &TJobListView::dxTreeSourceFileInfoKeyDown);
    AddRow(list, "/v/a.mp4");
    AddRow(list, "/v/b.mp4");
    list.setCurrentItem(list.topLevelItem(0));
    for (const Qt::Key key : {Qt::Key_Backspace, Qt::Key_Down, Qt::Key_X, Qt::Key_Space})
        QTest::keyClick(&list, key);
    EXPECT_EQ(removal.count(), 0);
    EXPECT_EQ(list.topLevelItemCount(), 2);
    EXPECT_EQ(list.currentItem(), list.topLevelItem(1)) << "other keys still move the focus";
    QTest::keyClick(&list, Qt::Key_Delete);
    EXPECT_EQ(removal.count(), 1);
}

// Starts drags the way the mouse does.
class TDraggedList final : public TJobListView {
public:
    using TJobListView::startDrag;
};

TEST(JobListView, DragThatEndsOutsideTheListAsksForRemoval) {
    TDraggedList list;
    list.resize(557, 158);
    list.show();
    QSignalSpy draggedOut(&list, &TJobListView::dxTreeSourceFileInfoEndDrag);
    AddRow(list, "/v/a.mp4");
    // With nothing selected there is nothing to drag.
    list.startDrag(Qt::MoveAction);
    EXPECT_EQ(draggedOut.count(), 0);
    list.topLevelItem(0)->setSelected(true);
    // The offscreen platform ends every drag at once on no target.
    list.startDrag(Qt::MoveAction);
    EXPECT_EQ(draggedOut.count(), 1);
    EXPECT_EQ(list.topLevelItemCount(), 1) << "the list leaves removal to its window";
}

} // namespace
