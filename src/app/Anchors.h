#pragma once

#include <QList>
#include <QRect>
#include <QSize>

class QWidget;

// Edges of the window a control keeps its distance to when the window is
// resized. Left and Right together stretch the control's width, Right alone
// moves it with the right edge; likewise Top and Bottom for the height.
enum TAnchor { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };

// Places controls at their design rectangles and keeps them anchored to the
// edges of their parent as it changes size.
class TAnchorLayout {
public:
    explicit TAnchorLayout(QSize designSize) : DesignSize(designSize) {}

    // Places the control at its design rectangle and remembers its anchors.
    void Place(QWidget* control, QRect design, int anchors = akLeft | akTop);
    // Moves and sizes every placed control for the parent's new size.
    void Apply(QSize size) const;

    // The rectangle a control with this design rectangle and these anchors
    // takes at the given size.
    QRect Anchored(QRect design, int anchors, QSize size) const;

private:
    struct TPlaced {
        QWidget* Control;
        QRect Design;
        int Anchors;
    };
    QSize DesignSize;
    QList<TPlaced> Placed;
};
