#include "media/JobListView.h"

#include "media/JobColumnPictures.h"
#include "media/JobListModel.h"
#include "support/LayoutFonts.h"

#include <QDrag>
#include <QDropEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {

// Proportional widths of the seven columns; the check column stays hidden.
constexpr double ColumnWeights[TJobListView::ColumnCount] = {16, 68, 28, 28, 28, 28, 28};

// Draws each cell with a right and a bottom grid line.
class TGridDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        painter->save();
        painter->setPen(option.palette.color(QPalette::Mid));
        const QRect cell = option.rect;
        painter->drawLine(cell.topRight(), cell.bottomRight());
        painter->drawLine(cell.bottomLeft(), cell.bottomRight());
        painter->restore();
    }
};

} // namespace

TJobListView::TJobListView(TJobListModel& jobs, QWidget* parent)
    : QTreeView(parent), Weights(std::begin(ColumnWeights), std::end(ColumnWeights)) {
    setModel(&jobs);
    for (int column = 0; column < ColumnCount; ++column)
        jobs.setHeaderData(column, Qt::Horizontal, JobColumnPicture(column), Qt::DecorationRole);
    hideColumn(dxtrlchkCheckStatus);

    QHeaderView* head = header();
    head->setSectionsMovable(false);
    head->setSectionResizeMode(QHeaderView::Interactive);
    head->setStretchLastSection(false);
    head->setMinimumSectionSize(24);
    // Captions and pictures share narrow sections at the window's design width.
    head->setFont(CondensedFont(head->font()));
    connect(head, &QHeaderView::sectionResized, this, &TJobListView::KeepUserWidth);

    setRootIsDecorated(false);
    setItemsExpandable(false);
    setIndentation(0);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setItemDelegate(new TGridDelegate(this));
    setSelectionMode(ExtendedSelection);
    setSelectionBehavior(SelectRows);
    setEditTriggers(NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    // The selection looks the same whether or not the list has the focus.
    QPalette colours = palette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, role));
    setPalette(colours);

    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    FitColumns();
}

bool TJobListView::dxTreeSourceFileInfoEditing(const QModelIndex&) const {
    return false;
}

bool TJobListView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    if (!dxTreeSourceFileInfoEditing(index))
        return false;
    return QTreeView::edit(index, trigger, event);
}

void TJobListView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete) {
        event->accept();
        emit dxTreeSourceFileInfoKeyDown();
        return;
    }
    const QModelIndex before = currentIndex();
    QTreeView::keyPressEvent(event);
    if (currentIndex().row() != before.row() && currentIndex().isValid())
        emit RowChosenByKey();
}

void TJobListView::startDrag(Qt::DropActions supportedActions) {
    const QModelIndexList rows = selectedIndexes();
    if (rows.isEmpty())
        return;
    auto* drag = new QDrag(this);
    drag->setMimeData(model()->mimeData(rows));
    DroppedOnSelf = false;
    drag->exec(supportedActions, defaultDropAction());
    if (!DroppedOnSelf)
        emit dxTreeSourceFileInfoEndDrag();
}

bool TJobListView::dxTreeSourceFileInfoDragOver(QDropEvent* event) const {
    return event->source() == this;
}

void TJobListView::dragEnterEvent(QDragEnterEvent* event) {
    if (dxTreeSourceFileInfoDragOver(event))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TJobListView::dragMoveEvent(QDragMoveEvent* event) {
    if (dxTreeSourceFileInfoDragOver(event))
        event->acceptProposedAction();
    else
        event->ignore();
}

// Rows are not reordered: a drop of the list's own rows only ends the drag.
void TJobListView::dropEvent(QDropEvent* event) {
    if (!dxTreeSourceFileInfoDragOver(event)) {
        event->ignore();
        return;
    }
    DroppedOnSelf = true;
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
}

void TJobListView::resizeEvent(QResizeEvent* event) {
    QTreeView::resizeEvent(event);
    FitColumns();
}

// The visible columns fill the list's width in proportion to their weights;
// the last one takes what rounding leaves.
void TJobListView::FitColumns() {
    const int width = viewport()->width();
    double total = 0;
    for (int column = 1; column < ColumnCount; ++column)
        total += Weights[column];
    if (width <= 0 || total <= 0)
        return;
    Fitting = true;
    int used = 0;
    for (int column = 1; column < ColumnCount; ++column) {
        const int share =
            column == ColumnCount - 1 ? width - used : int(width * Weights[column] / total);
        setColumnWidth(column, std::max(share, header()->minimumSectionSize()));
        used += share;
    }
    Fitting = false;
}

// A column the user resized keeps its new share; the columns to its right
// give or take the difference so the list stays filled.
void TJobListView::KeepUserWidth(int column, int oldWidth, int newWidth) {
    if (Fitting || column <= 0 || oldWidth <= 0)
        return;
    double rightWeights = 0;
    for (int c = column + 1; c < ColumnCount; ++c)
        rightWeights += Weights[c];
    const double scale = Weights[column] / oldWidth;
    const double change = (newWidth - oldWidth) * scale;
    if (change >= rightWeights) {
        FitColumns();
        return;
    }
    Weights[column] += change;
    for (int c = column + 1; c < ColumnCount; ++c)
        Weights[c] -= change * Weights[c] / rightWeights;
    FitColumns();
}

QList<int> SelectedRows(const QAbstractItemView* list) {
    QList<int> rows;
    if (!list || !list->model() || !list->selectionModel())
        return rows;
    for (int row = 0; row < list->model()->rowCount(); ++row)
        if (list->selectionModel()->rowIntersectsSelection(row))
            rows << row;
    return rows;
}
