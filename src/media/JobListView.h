#pragma once

#include "media/JobRow.h"

#include <QList>
#include <QTreeView>

class TJobListModel;

// The job list: a view of the Job rows of a job list model, one per source file. A flat,
// read-only list with grid lines whose columns share its width in proportion; rows dragged out of
// it and the Delete key ask for the selected rows to be removed, which the window owning the list
// does. The selection is the view's.
class TJobListView : public QTreeView {
    Q_OBJECT

public:
    using enum TJobColumn;
    static constexpr int ColumnCount = JobColumnCount;

    // Shows the rows of jobs, which outlives the view, with the column pictures.
    explicit TJobListView(TJobListModel& jobs, QWidget* parent = nullptr);

    // Cell editing is refused for every cell of every row.
    bool dxTreeSourceFileInfoEditing(const QModelIndex& index) const;

signals:
    // The Delete key was pressed while the list had the focus.
    void dxTreeSourceFileInfoKeyDown();
    // A drag of rows ended somewhere other than on the list itself.
    void dxTreeSourceFileInfoEndDrag();
    // A key made another row the current one, as a click on it does.
    void RowChosenByKey();

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Accepts only the list's own row drags; files from elsewhere go on to
    // the window, which adds them.
    bool dxTreeSourceFileInfoDragOver(QDropEvent* event) const;
    void FitColumns();
    void KeepUserWidth(int column, int oldWidth, int newWidth);

    QList<double> Weights;
    bool Fitting = false;
    bool DroppedOnSelf = false;
};

// The rows selected in the list (any cell of them), in list order; none
// without a list.
QList<int> SelectedRows(const QAbstractItemView* list);
