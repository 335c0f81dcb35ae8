#pragma once

#include "media/JobListModel.h"

#include <QStringList>

// The texts of one column of the job list, top row first.
inline QStringList ColumnTexts(const TJobListModel& jobs, int column) {
    QStringList texts;
    for (int row = 0; row < jobs.rowCount(); ++row)
        texts << jobs.Text(row, column);
    return texts;
}
