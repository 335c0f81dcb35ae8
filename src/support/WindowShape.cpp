#include "support/WindowShape.h"

#include <QChildEvent>
#include <QImage>
#include <QWidget>

#include <algorithm>

namespace {

const char* const OutlineClipName = "OutlineClip";

// Keeps every child of a shaped window inside the window's outline wherever
// it moves or grows, so nothing of it is painted beyond the outline.
class TOutlineClip final : public QObject {
public:
    explicit TOutlineClip(QWidget* window) : QObject(window), Window(window) {
        setObjectName(OutlineClipName);
        Window->installEventFilter(this);
    }

    void ClipChildren() {
        for (QWidget* child : Window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            Watch(child);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == Window) {
            // Children made after the window was cut are polished before
            // they first show.
            if (event->type() == QEvent::ChildPolished)
                if (auto* child = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child()))
                    Watch(child);
        } else if (event->type() == QEvent::Move || event->type() == QEvent::Resize) {
            Clip(static_cast<QWidget*>(watched));
        }
        return false;
    }

private:
    void Watch(QWidget* child) {
        if (child->isWindow()) // a dialog owned by the window is a window of its own
            return;
        child->installEventFilter(this); // once: installing again only moves it first
        Clip(child);
    }

    void Clip(QWidget* child) const {
        const QRegion outline = Window->mask();
        const QRect own = child->rect();
        const QRegion inside = outline.translated(-child->pos()) & own;
        if (outline.isEmpty() || inside == QRegion(own)) // no outline: the window is whole
            child->clearMask();
        else if (inside.isEmpty())
            // An empty mask means none at all: a pixel off the child hides it whole.
            child->setMask(QRect(-1, -1, 1, 1));
        else
            child->setMask(inside);
    }

    QWidget* const Window;
};

} // namespace

QRegion RegionFromPicture(const QImage& picture) {
    QRegion region;
    if (picture.isNull())
        return region;
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb transparent = image.pixel(0, image.height() - 1);
    const int n = std::max(1, qRound(image.devicePixelRatio()));
    const int width = image.width() / n;
    const int height = image.height() / n;
    // Whether the window pixel x, y covers only pixels of the picture's body.
    const auto body = [&](int x, int y) {
        for (int dy = 0; dy < n; ++dy) {
            const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y * n + dy));
            for (int dx = 0; dx < n; ++dx)
                if (row[x * n + dx] == transparent)
                    return false;
        }
        return true;
    };
    for (int y = 0; y < height; ++y) {
        QRegion line;
        int x = 0;
        while (x < width) {
            while (x < width && !body(x, y))
                ++x;
            const int start = x;
            while (x < width && body(x, y))
                ++x;
            if (x > start)
                line += QRect(start, y, x - start, 1);
        }
        region += line;
    }
    return region;
}

void CutToOutline(QWidget* window, const QRegion& outline) {
    window->setMask(outline);
    auto* clip = static_cast<TOutlineClip*>(
        window->findChild<QObject*>(OutlineClipName, Qt::FindDirectChildrenOnly));
    if (!clip)
        clip = new TOutlineClip(window);
    clip->ClipChildren();
}
