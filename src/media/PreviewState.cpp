#include "media/PreviewState.h"

#include <QTreeWidget>

QList<QTreeWidgetItem*> SelectedRows(QTreeWidget* list) {
    QList<QTreeWidgetItem*> rows;
    if (!list)
        return rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        if (list->topLevelItem(i)->isSelected())
            rows << list->topLevelItem(i);
    return rows;
}
