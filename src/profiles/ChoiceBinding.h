#pragma once

#include "profiles/ConversionChoice.h"

class QComboBox;

// The drop-down list shows a list of the choice in use, its entries and its
// selection, and every change of its selection (the user's pick, a test's
// setCurrentIndex) goes into the choice. Both last as long as the view.
void ShowChoiceList(QComboBox* view, TChoiceList list);
