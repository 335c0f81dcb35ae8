#include "support/ScaledPicture.h"

#include <QGuiApplication>
#include <QIcon>

QPixmap ScaledPicture(const QString& path) {
    // Loading an "@2x" file sets the picture's device pixel ratio to 2.
    return QPixmap(qt_findAtNxFile(path, qApp->devicePixelRatio()));
}

QPixmap Art(const QString& name) {
    return ScaledPicture(":/art/" + name);
}
