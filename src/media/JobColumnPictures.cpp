#include "media/JobColumnPictures.h"

#include "media/JobRow.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace {

constexpr int Side = 16;
const QColor Ink(40, 70, 120);
const QColor Fill(200, 220, 245);

// Drawn for the screens' scale, so the symbols stay sharp on dense screens.
QIcon Draw(const std::function<void(QPainter&)>& paint) {
    const qreal ratio = qApp->devicePixelRatio();
    QPixmap picture(QSize(Side, Side) * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Ink, 1.2));
    painter.setBrush(Fill);
    paint(painter);
    return QIcon(picture);
}

void Page(QPainter& p) {
    QPainterPath page;
    page.moveTo(3.5, 1.5);
    page.lineTo(9.5, 1.5);
    page.lineTo(12.5, 4.5);
    page.lineTo(12.5, 14.5);
    page.lineTo(3.5, 14.5);
    page.closeSubpath();
    p.drawPath(page);
    p.drawLine(QPointF(9.5, 1.5), QPointF(9.5, 4.5));
    p.drawLine(QPointF(9.5, 4.5), QPointF(12.5, 4.5));
}

void Size(QPainter& p) {
    for (int i = 0; i < 3; ++i)
        p.drawRect(QRectF(2.5 + 4 * i, 12.5 - 3.5 * (i + 1), 3, 3.5 * (i + 1)));
}

void Clock(QPainter& p) {
    p.drawEllipse(QPointF(8, 8), 6, 6);
    p.drawLine(QPointF(8, 8), QPointF(8, 4));
    p.drawLine(QPointF(8, 8), QPointF(11, 9.5));
}

void Start(QPainter& p) {
    p.drawLine(QPointF(3.5, 2), QPointF(3.5, 14));
    p.drawPolygon(QPolygonF({{5.5, 3}, {13.5, 8}, {5.5, 13}}));
}

void End(QPainter& p) {
    p.drawLine(QPointF(12.5, 2), QPointF(12.5, 14));
    p.drawPolygon(QPolygonF({{2.5, 3}, {10.5, 8}, {2.5, 13}}));
}

void Cut(QPainter& p) {
    p.drawLine(QPointF(4, 2), QPointF(11, 10.5));
    p.drawLine(QPointF(12, 2), QPointF(5, 10.5));
    p.drawEllipse(QPointF(4.5, 12), 2.5, 2.5);
    p.drawEllipse(QPointF(11.5, 12), 2.5, 2.5);
}

} // namespace

QIcon JobColumnPicture(int column) {
    switch (column) {
    case dxtrlSourceFileName:
        return Draw(Page);
    case dxtrlSourceFileSize:
        return Draw(Size);
    case dxtrlSourceFileDuration:
        return Draw(Clock);
    case dxtrlSourceFileStartTime:
        return Draw(Start);
    case dxtrlSourceFileEndTime:
        return Draw(End);
    case dxtrlstclConvertDuration:
        return Draw(Cut);
    default:
        return {};
    }
}
