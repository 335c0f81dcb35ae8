#include "media/JobListModel.h"

#include "support/Globals.h"

TJobListModel* JobListModel = nullptr;

namespace {

const char* const ColumnCaptions[JobColumnCount] = {
    "", "File Name", "File Size", "Duration", "Start Time", "End Time", "Cut Time"};

} // namespace

int TJobListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(Rows.size());
}

int TJobListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : JobColumnCount;
}

QVariant TJobListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) ||
        (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return Rows[index.row()][index.column()];
}

QVariant TJobListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= JobColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return QString(ColumnCaptions[section]);
    if (role == Qt::DecorationRole)
        return Pictures[section];
    return {};
}

bool TJobListModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                                  int role) {
    if (orientation != Qt::Horizontal || role != Qt::DecorationRole || section < 0 ||
        section >= JobColumnCount)
        return false;
    Pictures[section] = value;
    emit headerDataChanged(orientation, section, section);
    return true;
}

Qt::ItemFlags TJobListModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsDragEnabled;
}

Qt::DropActions TJobListModel::supportedDragActions() const {
    return Qt::CopyAction | Qt::MoveAction;
}

bool TJobListModel::removeRows(int row, int count, const QModelIndex& parent) {
    if (parent.isValid() || row < 0 || count <= 0 || row + count > Rows.size())
        return false;
    beginRemoveRows(parent, row, row + count - 1);
    Rows.remove(row, count);
    endRemoveRows();
    return true;
}

void TJobListModel::AddRow(const TJobRow& row) {
    const int at = int(Rows.size());
    beginInsertRows({}, at, at);
    Rows.append(row);
    endInsertRows();
}

QString TJobListModel::Text(int row, int column) const {
    if (row < 0 || row >= Rows.size() || column < 0 || column >= JobColumnCount)
        return {};
    return Rows[row][column];
}

void TJobListModel::SetText(int row, int column, const QString& text) {
    if (row < 0 || row >= Rows.size() || column < 0 || column >= JobColumnCount)
        return;
    Rows[row][column] = text;
    const QModelIndex cell = index(row, column);
    emit dataChanged(cell, cell, {Qt::DisplayRole, Qt::EditRole});
}

QList<int> TJobListModel::RowsOfFile(const QString& path) const {
    QList<int> rows;
    for (int row = 0; row < Rows.size(); ++row)
        if (Rows[row][dxtrlSourceFileName] == path)
            rows << row;
    return rows;
}

bool TJobListModel::Contains(const QString& path) const {
    return !RowsOfFile(path).isEmpty();
}

void TJobListModel::Clear() {
    beginResetModel();
    Rows.clear();
    endResetModel();
}

int TCustomProc::CutSeconds(const QString& path) const {
    int cut = 0;
    if (!JobListModel)
        return cut;
    for (const int row : JobListModel->RowsOfFile(path))
        cut = TimeCodeSeconds(JobListModel->Text(row, dxtrlSourceFileEndTime)) -
              TimeCodeSeconds(JobListModel->Text(row, dxtrlSourceFileStartTime));
    return cut;
}
