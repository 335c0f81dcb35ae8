#pragma once

#include <QList>
#include <QStringList>

class QComboBox;

// Shows all elements of an option list but the last and selects the
// position the last one names.
void FillOptionList(QComboBox* list, const QStringList& optionList);
// The quality names, then the custom profiles; selects "Normal Quality".
void FillProfileList(QComboBox* list);

// The options dialog's lists that the six fields of a profile string
// select, in field order.
QList<QComboBox*> ProfileFieldLists();
