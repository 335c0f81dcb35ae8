#pragma once

#include "media/MediaGraph.h"

#include <QObject>
#include <QPointer>
#include <QString>

struct mpv_handle;
class TPreviewTracker;
class TVideoWindow;

// The preview graph on the mpv player: a file that passes the render check
// of the probe is loaded into a player made for it, which runs, pauses and
// seeks. The video window and the position tracker bound to it join every
// new player and leave it when the graph is made inactive.
class TPreviewGraph final : public QObject, public TMediaGraph {
    Q_OBJECT

public:
    explicit TPreviewGraph(QObject* parent = nullptr);
    ~TPreviewGraph() override;

    // The audio output handed to the player; empty is the desktop's default
    // output. A machine without one plays without sound in either case.
    static QString AudioOutput;

    void BindVideoWindow(TVideoWindow* window);
    void BindTracker(TPreviewTracker* tracker);

    void MakeActive() override;
    void MakeInactive() override;
    bool Active() const override;
    // Unloads the file; the player stays.
    void RemoveAllFilters() override;
    // The probe's render check first; a file that passes it is loaded
    // paused. The result of the check, or negative when the player can't
    // load the file. Raises EQuenvoError when the graph is not active.
    int RenderFile(const QString& path) override;
    qint64 DurationMs() const override;

    // Raises EQuenvoError when the graph is not active or the player refuses.
    void Pause();
    // Play or Pause: the player, the tracker and the video window follow.
    void Run(bool playing);
    void Stop();
    // In 100-nanosecond units. At the end of the file the position is the
    // duration, as the tracker's end test expects.
    qint64 CurrentPosition() const;
    // Absolute; an empty graph has nothing to move.
    void SetPosition(qint64 position);

    bool Loaded() const { return Load == TLoad::Loaded; }

private:
    enum class TLoad { None, Loading, Loaded, Failed };

    void DrainEvents();
    void RequireActive() const;
    void SetPaused(bool paused);
    void TellPlaying(bool playing);

    mpv_handle* Mpv = nullptr;
    QPointer<TVideoWindow> Window;
    TPreviewTracker* Tracker = nullptr;
    TLoad Load = TLoad::None;
};
