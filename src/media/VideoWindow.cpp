#include "media/VideoWindow.h"

#include "support/Errors.h"
#include "support/Timing.h"

#include <QMouseEvent>
#include <QPainter>

#include <mpv/client.h>
#include <mpv/render.h>

TVideoWindow::TVideoWindow(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    CursorTimer.setSingleShot(true);
    connect(&CursorTimer, &QTimer::timeout, this, [this] { setCursor(Qt::BlankCursor); });
    CursorTimer.start(Timing().CursorHideMs);
}

TVideoWindow::~TVideoWindow() {
    Detach();
}

void TVideoWindow::Attach(mpv_handle* mpv) {
    Detach();
    char api[] = MPV_RENDER_API_TYPE_SW;
    mpv_render_param params[] = {{MPV_RENDER_PARAM_API_TYPE, api},
                                 {MPV_RENDER_PARAM_INVALID, nullptr}};
    if (const int status = mpv_render_context_create(&Context, mpv, params); status < 0) {
        Context = nullptr;
        throw EQuenvoError(QString("Preview video window: %1").arg(mpv_error_string(status)));
    }
    // The player calls from its own threads; the frame is drawn on ours.
    mpv_render_context_set_update_callback(
        Context,
        [](void* window) {
            auto* self = static_cast<TVideoWindow*>(window);
            QMetaObject::invokeMethod(
                self, [self] { self->RenderFrame(false); }, Qt::QueuedConnection);
        },
        this);
}

void TVideoWindow::Detach() {
    if (!Context)
        return;
    mpv_render_context_free(Context);
    Context = nullptr;
    Clear();
}

void TVideoWindow::Clear() {
    Picture = QImage();
    update();
}

void TVideoWindow::PlaybackChanged(bool playing) {
    ScreenSaver.SetInhibited(playing);
}

void TVideoWindow::RenderFrame(bool force) {
    if (!Context)
        return;
    const bool fresh = mpv_render_context_update(Context) & MPV_RENDER_UPDATE_FRAME;
    if (!fresh && !(force && !Picture.isNull()))
        return;
    if (width() <= 0 || height() <= 0)
        return;
    if (Picture.size() != DeviceSize()) {
        Picture = QImage(DeviceSize(), QImage::Format_RGBX8888);
        Picture.setDevicePixelRatio(devicePixelRatioF());
    }
    int surface[2] = {Picture.width(), Picture.height()};
    char format[] = "rgb0";
    size_t stride = static_cast<size_t>(Picture.bytesPerLine());
    mpv_render_param params[] = {{MPV_RENDER_PARAM_SW_SIZE, surface},
                                 {MPV_RENDER_PARAM_SW_FORMAT, format},
                                 {MPV_RENDER_PARAM_SW_STRIDE, &stride},
                                 {MPV_RENDER_PARAM_SW_POINTER, Picture.bits()},
                                 {MPV_RENDER_PARAM_INVALID, nullptr}};
    if (mpv_render_context_render(Context, params) < 0)
        Picture = QImage();
    update();
}

QSize TVideoWindow::DeviceSize() const {
    // On a denser screen the player draws every device pixel, not a
    // picture of the window's size scaled up.
    return (QSizeF(size()) * devicePixelRatioF()).toSize();
}

void TVideoWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (Picture.size() == DeviceSize())
        painter.drawImage(0, 0, Picture);
    else
        painter.fillRect(rect(), Qt::black);
}

void TVideoWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    RenderFrame(true);
}

void TVideoWindow::mouseMoveEvent(QMouseEvent* event) {
    unsetCursor();
    CursorTimer.start(Timing().CursorHideMs);
    QWidget::mouseMoveEvent(event);
}
