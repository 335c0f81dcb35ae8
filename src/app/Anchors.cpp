#include "app/Anchors.h"

#include <QWidget>

void TAnchorLayout::Place(QWidget* control, QRect design, int anchors) {
    control->setGeometry(design);
    Placed.append({control, design, anchors});
}

QRect TAnchorLayout::Anchored(QRect design, int anchors, QSize size) const {
    const int dx = size.width() - DesignSize.width();
    const int dy = size.height() - DesignSize.height();
    QRect r = design;
    if (anchors & akRight) {
        if (anchors & akLeft)
            r.setWidth(design.width() + dx);
        else
            r.moveLeft(design.left() + dx);
    }
    if (anchors & akBottom) {
        if (anchors & akTop)
            r.setHeight(design.height() + dy);
        else
            r.moveTop(design.top() + dy);
    }
    return r;
}

void TAnchorLayout::Apply(QSize size) const {
    for (const TPlaced& placed : Placed)
        placed.Control->setGeometry(Anchored(placed.Design, placed.Anchors, size));
}
