#pragma once

#include "media/VideoWindowScreenSaver.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

struct mpv_handle;
struct mpv_render_context;

// The preview's video window: the player renders each frame in software
// into an image of the window's size in device pixels, letterboxed on black with the aspect
// kept. The idle mouse cursor hides after Timing().CursorHideMs; while a
// file plays the screen saver stays off.
class TVideoWindow final : public QWidget {
    Q_OBJECT

public:
    explicit TVideoWindow(QWidget* parent = nullptr);
    ~TVideoWindow() override;

    // Joins the player's video output; Detach must come before the player goes.
    void Attach(mpv_handle* mpv);
    void Detach();
    // Forgets the last picture.
    void Clear();
    void PlaybackChanged(bool playing);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void RenderFrame(bool force);
    // The window's size in the screen's pixels.
    QSize DeviceSize() const;

    mpv_render_context* Context = nullptr;
    QImage Picture;
    QTimer CursorTimer;
    TScreenSaverInhibitor ScreenSaver;
};
