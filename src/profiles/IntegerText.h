#pragma once

#include <QString>

#include <optional>

// Whole numbers as the stored files write them: a decimal number with an
// optional sign, or a hexadecimal one after "$". Blanks, fractions and
// values outside the 32-bit signed range don't convert.
std::optional<int> TryStrToInt(const QString& text);

// As TryStrToInt; a text that doesn't convert raises EQuenvoError.
int StrToInt(const QString& text);
