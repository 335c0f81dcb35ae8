#pragma once

#include "media/TrimScale.h"

#include <QFrame>
#include <QImage>
#include <QPixmap>

#include <functional>

// One stretched picture of the trim bar; a mouse press on it nudges a marker.
class TTrimPicture final : public QWidget {
    Q_OBJECT

public:
    explicit TTrimPicture(QWidget* parent);
    void SetPicture(const QPixmap& picture);

signals:
    // The pressed button, the modifier keys and every button held with it.
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, Qt::MouseButtons held);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QPixmap Picture;
};

// A marker of the trim bar: its picture stretched over it, black shown in the
// button-face colour; dragging it resizes its neighbouring picture live.
// Reached with Tab, it steps with the Left and Right keys.
class TTrimMarker final : public QWidget {
    Q_OBJECT

public:
    // direction: +1 when a move to the right widens the picture it resizes.
    TTrimMarker(QWidget* parent, int direction);
    void SetPicture(const QImage& picture);

signals:
    // How many pixels the resized picture has grown since the press.
    void Dragged(int growth);
    void DragStarted();
    // At the end of every drag, also one that ends where it started.
    void Moved();
    // Left (-1) or Right (+1) pressed, with the modifier keys held.
    void KeyDown(int direction, Qt::KeyboardModifiers modifiers);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const int Direction;
    QImage Picture;
    QImage Shown;
    QRgb ShownFace = 0;
    bool Dragging = false;
    int PressX = 0;
};

// The trim bar under the preview: the picture before the start, the start
// marker, the selected segment, the end marker and the picture after the
// end, inside a lowered one-pixel bevel. Every picture keeps at least 1 pixel.
class TTrimBar final : public QFrame {
    Q_OBJECT

public:
    static constexpr int DefaultWidth = 260;
    static constexpr int MarkerWidth = 20;

    explicit TTrimBar(QWidget* parent = nullptr);

    void SetPictures(const QPixmap& outside, const QPixmap& segment);
    void SetMarkerPictures(const QImage& imgL, const QImage& imgR);

    void SetBarWidth(int width);
    int Panel2Width() const { return Panel2->width(); }
    int Panel3Width() const { return Panel3->width(); }
    int Panel4Width() const { return Panel4->width(); }
    // Clamped so that every picture keeps at least 1 pixel.
    void SetPanel2Width(int width);
    void SetPanel3Width(int width);
    // Places both markers at once, as a row click does: each picture takes
    // its width whatever the other one had, so the markers may touch or
    // overlap; only the bar's own length bounds them.
    void PlaceMarkers(int panel2Width, int panel3Width);
    int Splitter1Left() const { return Splitter1->x(); }
    int Splitter2Left() const { return Splitter2->x(); }
    int Splitter1Width() const { return Splitter1->width(); }
    int Splitter2Width() const { return Splitter2->width(); }
    // The widths its arithmetic (TrimScale.h) works on.
    TTrimMeasures Measures() const;

    // The length in seconds of the row the markers stand for, read where
    // the preview keeps it; 0 before any row.
    void SetLengthSource(std::function<qint32()> source);
    qint32 Length() const;
    // The seconds a marker stands for: what a move of it writes.
    qint64 Seconds(const TTrimMarker* marker) const;
    // Puts a marker where it stands for about these seconds and reports the
    // move, as a drag that ends there does.
    void MoveTo(const TTrimMarker* marker, qint64 seconds);

    TTrimPicture* const Panel2;
    TTrimMarker* const Splitter1;
    TTrimPicture* const Panel4;
    TTrimMarker* const Splitter2;
    TTrimPicture* const Panel3;

signals:
    void Splitter1Moved();
    void Splitter2Moved();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    int InnerWidth() const { return width() - 2 * frameWidth(); }
    int Clamped(int width, int other) const;
    void Arrange();
    // Screen readers hear the markers' new values.
    void AnnounceValues();

    std::function<qint32()> LengthSource;

    int P2 = 1;
    int P3 = 1;
    int DragStart = 0;
};
