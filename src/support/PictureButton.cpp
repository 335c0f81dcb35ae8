#include "support/PictureButton.h"

#include "support/ScaledPicture.h"

#include <QFile>
#include <QPainter>

TPictureButton::TPictureButton(const QString& name, QWidget* parent) : QAbstractButton(parent) {
    setToolTip(name);
    setAccessibleName(name);
    setText(name);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_Hover);
}

void TPictureButton::LoadPictures(const QString& base) {
    const auto load = [&](const QString& suffix) {
        const QString path = base + suffix + ".png";
        return QFile::exists(path) ? ScaledPicture(path) : QPixmap();
    };
    SetPictures(load(""), load("_hot"), load("_down"), load("_disabled"));
}

void TPictureButton::SetPictures(const QPixmap& normal, const QPixmap& hot, const QPixmap& pressed,
                                 const QPixmap& disabled) {
    Normal = normal;
    Hot = hot;
    Pressed = pressed;
    Disabled = disabled;
    update();
}

const QPixmap& TPictureButton::CurrentPicture() const {
    const QPixmap* picture = &Normal;
    if (!isEnabled())
        picture = &Disabled;
    else if (isDown() || isChecked())
        picture = &Pressed;
    else if (underMouse())
        picture = &Hot;
    return picture->isNull() ? Normal : *picture;
}

QSize TPictureButton::sizeHint() const {
    return Normal.isNull() ? QSize(48, 24) : Normal.deviceIndependentSize().toSize();
}

void TPictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPixmap& picture = CurrentPicture();
    if (!picture.isNull()) {
        painter.drawPixmap(rect(), picture);
    } else {
        // Without artwork the button still shows what it does.
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.fillRect(rect(), palette().color(isDown() ? QPalette::Mid : QPalette::Button));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        painter.drawText(rect(), Qt::AlignCenter, text());
    }
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

void TPictureButton::enterEvent(QEnterEvent* event) {
    QAbstractButton::enterEvent(event);
    update();
}

void TPictureButton::leaveEvent(QEvent* event) {
    QAbstractButton::leaveEvent(event);
    update();
}
