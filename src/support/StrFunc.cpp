#include "support/StrFunc.h"

QString TStrFunc::TextAfterLast(const QString& text, const QString& separator) const {
    QString current = text;
    if (separator.isEmpty())
        return current;
    qsizetype at;
    while ((at = current.indexOf(separator)) >= 0)
        current = current.mid(at + 1);
    return current;
}
