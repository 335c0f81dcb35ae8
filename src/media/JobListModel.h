#pragma once

#include "media/JobRow.h"

#include <QAbstractTableModel>
#include <QList>
#include <QVariant>

#include <array>

// The job list's rows (JobRow.h) in list order: the model the main window's
// list shows and every operation on the jobs reads and writes. Its cells are
// read-only to views; the system changes them through AddRow and SetText.
class TJobListModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // The captions; a view may add a picture of its own to each column.
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                       int role = Qt::DecorationRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Rows are dragged out of the list to be removed, never reordered.
    Qt::DropActions supportedDragActions() const override;
    bool removeRows(int row, int count, const QModelIndex& parent = {}) override;

    void AddRow(const TJobRow& row);
    // A cell's text; empty outside the list.
    QString Text(int row, int column) const;
    // Writes a cell's text; nothing outside the list.
    void SetText(int row, int column, const QString& text);
    // The rows of a source file, in list order: those whose File Name equals
    // the path exactly (Clip.avi and clip.avi are two files). Where a path
    // stands in several rows, the last one gives the job its segment.
    QList<int> RowsOfFile(const QString& path) const;
    bool Contains(const QString& path) const;
    void Clear();

private:
    QList<TJobRow> Rows;
    std::array<QVariant, JobColumnCount> Pictures;
};

// The main window's job list, bound by the window while it lives (tests bind
// their own); nullptr while there is none.
extern TJobListModel* JobListModel;
