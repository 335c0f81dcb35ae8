#include "media/PreviewState.h"

#include "support/Globals.h"

#include <QTreeWidget>

#include <cmath>

QList<QTreeWidgetItem*> SelectedRows(QTreeWidget* list) {
    QList<QTreeWidgetItem*> rows;
    if (!list)
        return rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        if (list->topLevelItem(i)->isSelected())
            rows << list->topLevelItem(i);
    return rows;
}

qint32 ReadTimeCode(const QString& text) {
    const QStringList pieces = CommonLib->SplitText(text, ':');
    if (pieces.size() < 3)
        return 0;
    const auto part = [&](int i) {
        return static_cast<qint32>(std::trunc(CommonLib->ParseNumber(pieces[i])));
    };
    return part(0) * 3600 + part(1) * 60 + part(2);
}

QString PositionText(qint64 seconds) {
    return QString::asprintf("%2.2d:%2.2d:%2.2d", static_cast<int>(seconds / 3600),
                             static_cast<int>(seconds % 3600 / 60),
                             static_cast<int>(seconds % 3600 % 60));
}
