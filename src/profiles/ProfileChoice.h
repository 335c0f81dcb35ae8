#pragma once

#include "profiles/ConversionChoice.h"

// Gives a list of the choice all elements of an option list but the last
// and selects the position the last one names.
void FillOptionList(TChoiceList list, const QStringList& optionList);
// The quality names, then the custom profiles; selects "Normal Quality".
void FillProfileList(TChoiceList list);
