#include "support/FittingFont.h"

#include <QFontMetrics>

QFont FittingFont(QFont font, const QString& text, int width) {
    font.setStretch(QFont::Condensed);
    while (QFontMetrics(font).horizontalAdvance(text) > width && font.pixelSize() > 8)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}
