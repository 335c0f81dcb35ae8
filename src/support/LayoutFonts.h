#pragma once

#include <QFont>
#include <QString>

class QWidget;

// The windows are laid out in pixels for a small font, whatever the
// desktop's text size: gives the window that font.
void SetLayoutFont(QWidget* window);

// The font in its narrow face, for texts that share tight fixed widths.
QFont CondensedFont(QFont font);

// The font, condensed and, where still needed, made smaller (down to 8
// pixels), in which a caption fits into the width its fixed layout leaves
// before the next control.
QFont FittingFont(QFont font, const QString& text, int width);
