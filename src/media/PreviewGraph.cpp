#include "media/PreviewGraph.h"

#include "media/PreviewTracker.h"
#include "media/ProbeGraph.h"
#include "media/VideoWindow.h"
#include "support/Errors.h"
#include "support/EventPump.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <mpv/client.h>

QString TPreviewGraph::AudioOutput;

namespace {

// How long the player may take to open a file that passed the render check.
constexpr int LoadTimeoutMs = 5000;

void Check(int status, const char* what) {
    if (status < 0)
        throw EQuenvoError(QString("Preview %1: %2").arg(what, mpv_error_string(status)));
}

} // namespace

TPreviewGraph::TPreviewGraph(QObject* parent) : QObject(parent) {}

TPreviewGraph::~TPreviewGraph() {
    MakeInactive();
}

void TPreviewGraph::BindVideoWindow(TVideoWindow* window) {
    if (Window && Mpv)
        Window->Detach();
    Window = window;
    if (Window && Mpv)
        Window->Attach(Mpv);
}

void TPreviewGraph::BindTracker(TPreviewTracker* tracker) {
    if (Tracker)
        Tracker->Stop();
    Tracker = tracker;
}

void TPreviewGraph::MakeActive() {
    if (Mpv)
        return;
    mpv_handle* mpv = mpv_create();
    if (!mpv)
        throw EQuenvoError("Preview player could not be created.");
    // The player is ours alone: no user configuration, terminal, key
    // bindings, on-screen controls or scripts; video goes to the window.
    const char* const options[][2] = {
        {"config", "no"},
        {"terminal", "no"},
        {"input-default-bindings", "no"},
        {"input-vo-keyboard", "no"},
        {"osc", "no"},
        {"load-scripts", "no"},
        {"ytdl", "no"},
        {"vo", "libmpv"},
        {"hwdec", "no"},
        // The software renderer cannot turn pictures: each file's own turn
        // is done before, in its video filter (see RenderFile).
        {"video-rotate", "no"},
        {"idle", "yes"},
        {"keep-open", "yes"},
        {"pause", "yes"},
        {"audio-display", "no"},
        {"audio-fallback-to-null", "yes"},
        // Rendering never waits for a frame's display time on the window's thread.
        {"video-timing-offset", "0"},
    };
    for (const auto& [name, value] : options)
        mpv_set_option_string(mpv, name, value);
    if (!AudioOutput.isEmpty())
        mpv_set_option_string(mpv, "ao", AudioOutput.toUtf8().constData());
    if (const int status = mpv_initialize(mpv); status < 0) {
        mpv_terminate_destroy(mpv);
        Check(status, "start");
    }
    Mpv = mpv;
    Load = TLoad::None;
    // mpv wakes us from its own threads; the events are read on ours.
    mpv_set_wakeup_callback(
        Mpv,
        [](void* graph) {
            auto* self = static_cast<TPreviewGraph*>(graph);
            QMetaObject::invokeMethod(
                self, [self] { self->DrainEvents(); }, Qt::QueuedConnection);
        },
        this);
    if (Window)
        Window->Attach(Mpv);
}

void TPreviewGraph::MakeInactive() {
    if (!Mpv)
        return;
    if (Tracker)
        Tracker->Stop();
    TellPlaying(false);
    // The render context must go before the player it renders.
    if (Window)
        Window->Detach();
    mpv_handle* mpv = Mpv;
    Mpv = nullptr;
    Load = TLoad::None;
    mpv_terminate_destroy(mpv);
}

bool TPreviewGraph::Active() const {
    return Mpv != nullptr;
}

void TPreviewGraph::RemoveAllFilters() {
    if (!Mpv)
        return;
    if (Load != TLoad::None) {
        const char* stop[] = {"stop", nullptr};
        mpv_command(Mpv, stop);
    }
    Load = TLoad::None;
    TellPlaying(false);
    if (Window)
        Window->Clear();
}

int TPreviewGraph::RenderFile(const QString& path) {
    RequireActive();
    const TRenderCheck check = CheckRender(path, RenderTimeoutMs, TDurationNeed::Unused);
    if (check.Result != 0)
        return check.Result;
    SetPaused(true);
    // A clip stored lying on its side shows upright.
    const QByteArray turn =
        check.TurnFilters.isEmpty() ? QByteArray() : "lavfi=[" + check.TurnFilters.toUtf8() + "]";
    if (mpv_set_property_string(Mpv, "vf", turn.constData()) < 0)
        return -1;
    const QByteArray file = path.toUtf8();
    const char* load[] = {"loadfile", file.constData(), "replace", nullptr};
    Load = TLoad::Loading;
    if (mpv_command(Mpv, load) < 0) {
        Load = TLoad::Failed;
        return -1;
    }
    // Rendering answers when the player has opened the file (or failed to),
    // serving window events meanwhile; the player's wakeups end the wait.
    // Clicks wait until it has answered, also from the pumps of timers that
    // tick meanwhile: the second click of the double-click that started this
    // load would otherwise unload the file mid-way.
    const TUserInputHold hold;
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.start(LoadTimeoutMs);
    while (Load == TLoad::Loading && deadline.isActive())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | PumpFlags());
    if (Load != TLoad::Loaded) {
        RemoveAllFilters();
        Load = TLoad::Failed;
        return -1;
    }
    return 0;
}

qint64 TPreviewGraph::DurationMs() const {
    double seconds = 0;
    if (!Mpv || Load != TLoad::Loaded ||
        mpv_get_property(Mpv, "duration", MPV_FORMAT_DOUBLE, &seconds) < 0 || seconds < 0)
        return 0;
    return static_cast<qint64>(seconds * 1000);
}

void TPreviewGraph::Pause() {
    Run(false);
}

void TPreviewGraph::Run(bool playing) {
    RequireActive();
    SetPaused(!playing);
    if (Tracker)
        playing ? Tracker->Start() : Tracker->Stop();
    TellPlaying(playing);
}

void TPreviewGraph::Stop() {
    Pause();
}

qint64 TPreviewGraph::CurrentPosition() const {
    RequireActive();
    if (Load != TLoad::Loaded)
        return 0;
    int eof = 0;
    if (mpv_get_property(Mpv, "eof-reached", MPV_FORMAT_FLAG, &eof) >= 0 && eof)
        return DurationMs() * 10000;
    double seconds = 0;
    if (mpv_get_property(Mpv, "time-pos", MPV_FORMAT_DOUBLE, &seconds) < 0 || seconds < 0)
        return 0;
    return static_cast<qint64>(seconds * 10'000'000);
}

void TPreviewGraph::SetPosition(qint64 position) {
    RequireActive();
    if (Load != TLoad::Loaded)
        return;
    const QByteArray seconds =
        QByteArray::number(static_cast<double>(position) / 10'000'000, 'f', 3);
    const char* seek[] = {"seek", seconds.constData(), "absolute+exact", nullptr};
    Check(mpv_command(Mpv, seek), "seek");
}

void TPreviewGraph::DrainEvents() {
    while (Mpv) {
        const mpv_event* event = mpv_wait_event(Mpv, 0);
        if (event->event_id == MPV_EVENT_NONE)
            break;
        if (Load != TLoad::Loading)
            continue;
        if (event->event_id == MPV_EVENT_FILE_LOADED) {
            Load = TLoad::Loaded;
        } else if (event->event_id == MPV_EVENT_END_FILE) {
            const auto* end = static_cast<const mpv_event_end_file*>(event->data);
            if (end->reason == MPV_END_FILE_REASON_ERROR)
                Load = TLoad::Failed;
        }
    }
}

void TPreviewGraph::RequireActive() const {
    if (!Mpv)
        throw EQuenvoError("Preview graph is not active.");
}

void TPreviewGraph::SetPaused(bool paused) {
    RequireActive();
    Check(mpv_set_property_string(Mpv, "pause", paused ? "yes" : "no"), paused ? "pause" : "run");
}

void TPreviewGraph::TellPlaying(bool playing) {
    if (Window)
        Window->PlaybackChanged(playing);
}
