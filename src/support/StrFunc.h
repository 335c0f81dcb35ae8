#pragma once

#include <QString>

class TStrFunc {
public:
    // The text after the last occurrence of a one-character separator; the
    // whole text when it has none, an empty text when it ends with one.
    QString TextAfterLast(const QString& text, const QString& separator) const;
};
