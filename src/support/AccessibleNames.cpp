#include "support/AccessibleNames.h"

#include <QLabel>

void NameByLabel(QLabel* label, QWidget* control) {
    label->setBuddy(control);
    QString name = label->text().trimmed();
    if (name.endsWith(':'))
        name.chop(1);
    control->setAccessibleName(name.trimmed());
}
