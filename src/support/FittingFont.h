#pragma once

#include <QFont>
#include <QString>

// The font, condensed and, where still needed, made smaller (down to 8
// pixels), in which a caption fits into the width its fixed layout leaves
// before the next control.
QFont FittingFont(QFont font, const QString& text, int width);
