#include "media/TrimBar.h"

#include "media/TrimMarkerAccessible.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>
#include <utility>

TTrimPicture::TTrimPicture(QWidget* parent) : QWidget(parent) {}

void TTrimPicture::SetPicture(const QPixmap& picture) {
    Picture = picture;
    update();
}

void TTrimPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (Picture.isNull())
        painter.fillRect(rect(), palette().color(QPalette::Button));
    else
        painter.drawPixmap(rect(), Picture);
}

void TTrimPicture::mousePressEvent(QMouseEvent* event) {
    emit MouseDown(event->button(), event->modifiers(), event->buttons());
}

// A double-click nudges like a click.
void TTrimPicture::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

TTrimMarker::TTrimMarker(QWidget* parent, int direction) : QWidget(parent), Direction(direction) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    InstallTrimMarkerAccessible();
}

void TTrimMarker::SetPicture(const QImage& picture) {
    Picture = picture.convertToFormat(QImage::Format_RGB32);
    Shown = QImage();
    update();
}

void TTrimMarker::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRgb face = palette().color(QPalette::Button).rgb();
    if (Picture.isNull()) {
        painter.fillRect(rect(), QColor(face));
        return;
    }
    if (Shown.isNull() || ShownFace != face) {
        Shown = Picture;
        for (int y = 0; y < Shown.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(Shown.scanLine(y));
            for (int x = 0; x < Shown.width(); ++x)
                if (qRed(line[x]) == 0 && qGreen(line[x]) == 0 && qBlue(line[x]) == 0)
                    line[x] = face;
        }
        ShownFace = face;
    }
    painter.drawImage(rect(), Shown);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void TTrimMarker::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) {
        emit KeyDown(event->key() == Qt::Key_Right ? 1 : -1, event->modifiers());
        return;
    }
    QWidget::keyPressEvent(event);
}

void TTrimMarker::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    Dragging = true;
    PressX = qRound(event->globalPosition().x());
    emit DragStarted();
}

void TTrimMarker::mouseMoveEvent(QMouseEvent* event) {
    if (Dragging)
        emit Dragged((qRound(event->globalPosition().x()) - PressX) * Direction);
}

void TTrimMarker::mouseReleaseEvent(QMouseEvent* event) {
    if (!Dragging || event->button() != Qt::LeftButton)
        return;
    Dragging = false;
    emit Moved();
}

TTrimBar::TTrimBar(QWidget* parent)
    : QFrame(parent), Panel2(new TTrimPicture(this)), Splitter1(new TTrimMarker(this, 1)),
      Panel4(new TTrimPicture(this)), Splitter2(new TTrimMarker(this, -1)),
      Panel3(new TTrimPicture(this)) {
    setAccessibleName("Segment");
    Splitter1->setAccessibleName("Start Time");
    Splitter2->setAccessibleName("End Time");
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    resize(DefaultWidth, 21);
    connect(Splitter1, &TTrimMarker::DragStarted, this, [this] { DragStart = P2; });
    connect(Splitter2, &TTrimMarker::DragStarted, this, [this] { DragStart = P3; });
    connect(Splitter1, &TTrimMarker::Dragged, this,
            [this](int growth) { SetPanel2Width(DragStart + growth); });
    connect(Splitter2, &TTrimMarker::Dragged, this,
            [this](int growth) { SetPanel3Width(DragStart + growth); });
    connect(Splitter1, &TTrimMarker::Moved, this, &TTrimBar::Splitter1Moved);
    connect(Splitter2, &TTrimMarker::Moved, this, &TTrimBar::Splitter2Moved);
    Arrange();
}

void TTrimBar::SetPictures(const QPixmap& outside, const QPixmap& segment) {
    Panel2->SetPicture(outside);
    Panel3->SetPicture(outside);
    Panel4->SetPicture(segment);
}

void TTrimBar::SetMarkerPictures(const QImage& imgL, const QImage& imgR) {
    Splitter1->SetPicture(imgL);
    Splitter2->SetPicture(imgR);
}

void TTrimBar::SetBarWidth(int width) {
    resize(width, height());
}

int TTrimBar::Clamped(int width, int other) const {
    const int most = InnerWidth() - 2 * MarkerWidth - other - 1;
    return std::max(1, std::min(width, most));
}

void TTrimBar::SetPanel2Width(int width) {
    P2 = Clamped(width, P3);
    Arrange();
    AnnounceValues();
}

void TTrimBar::SetPanel3Width(int width) {
    P3 = Clamped(width, P2);
    Arrange();
    AnnounceValues();
}

void TTrimBar::PlaceMarkers(int panel2Width, int panel3Width) {
    const int travel = InnerWidth() - 2 * MarkerWidth + 1;
    P2 = std::clamp(panel2Width, 1, travel);
    P3 = std::clamp(panel3Width, 1, travel);
    Arrange();
    AnnounceValues();
}

TTrimMeasures TTrimBar::Measures() const {
    return {width(), Splitter1Width(), Splitter2Width(), Panel2Width(), Panel3Width()};
}

void TTrimBar::SetLengthSource(std::function<qint32()> source) {
    LengthSource = std::move(source);
}

qint32 TTrimBar::Length() const {
    return LengthSource ? LengthSource() : 0;
}

qint64 TTrimBar::Seconds(const TTrimMarker* marker) const {
    if (marker == Splitter1)
        return StartSeconds(Measures(), Splitter1Left(), Length());
    return EndSeconds(Measures(), Splitter2Left(), Length());
}

void TTrimBar::MoveTo(const TTrimMarker* marker, qint64 seconds) {
    const qint32 total = Length();
    if (total <= 0)
        return;
    const qint32 at = qint32(std::clamp<qint64>(seconds, 0, total));
    const TTrimMeasures placed = PlaceForSegment(Measures(), at, at, total);
    if (marker == Splitter1) {
        SetPanel2Width(placed.P2);
        emit Splitter1Moved();
    } else {
        SetPanel3Width(placed.P3);
        emit Splitter2Moved();
    }
}

void TTrimBar::AnnounceValues() {
    if (!QAccessible::isActive())
        return;
    for (TTrimMarker* marker : {Splitter1, Splitter2}) {
        QAccessibleValueChangeEvent changed(marker, Seconds(marker));
        QAccessible::updateAccessibility(&changed);
    }
}

void TTrimBar::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    Arrange();
}

void TTrimBar::Arrange() {
    const int left = frameWidth();
    const int top = frameWidth();
    const int high = height() - 2 * frameWidth();
    const int right = left + InnerWidth();
    Panel2->setGeometry(left, top, P2, high);
    Splitter1->setGeometry(left + P2, top, MarkerWidth, high);
    Panel3->setGeometry(right - P3, top, P3, high);
    Splitter2->setGeometry(right - P3 - MarkerWidth, top, MarkerWidth, high);
    const int segmentLeft = left + P2 + MarkerWidth;
    Panel4->setGeometry(segmentLeft, top, std::max(0, right - P3 - MarkerWidth - segmentLeft),
                        high);
}
