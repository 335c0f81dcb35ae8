#include "support/LayoutFonts.h"

#include <QFontMetrics>
#include <QWidget>

void SetLayoutFont(QWidget* window) {
    QFont small = window->font();
    small.setPixelSize(11);
    window->setFont(small);
}

QFont CondensedFont(QFont font) {
    font.setStretch(QFont::Condensed);
    return font;
}

QFont FittingFont(QFont font, const QString& text, int width) {
    font = CondensedFont(font);
    while (QFontMetrics(font).horizontalAdvance(text) > width && font.pixelSize() > 8)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}
