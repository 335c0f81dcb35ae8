#pragma once

#include <QPixmap>

// The picture file at path, or its variant drawn for denser screens (the
// same name with "@2x" before the extension) where the screens' device pixel
// ratio asks for it: Qt's own rule for such files. The picture keeps its
// size in device-independent pixels whichever file it comes from.
QPixmap ScaledPicture(const QString& path);

// A picture of the application's artwork (the resource folder :/art/) by
// its file name, as ScaledPicture gives it; a null picture when there is none.
QPixmap Art(const QString& name);
