#include "media/PreviewTracker.h"

#include "media/PreviewGraph.h"
#include "support/HandlerGuard.h"
#include "support/Timing.h"

TPreviewTracker::TPreviewTracker(TPreviewGraph& graph, QObject* parent)
    : QObject(parent), Graph(graph) {
    connect(&Timer, &QTimer::timeout, this, Guarded(this, &TPreviewTracker::Tick));
}

void TPreviewTracker::Start() {
    if (!Timer.isActive())
        Timer.start(Timing().TrackerMs);
}

void TPreviewTracker::Stop() {
    Timer.stop();
}

void TPreviewTracker::Tick() {
    // A tick queued before the graph went inactive reaches nobody.
    if (!Graph.Active()) {
        Timer.stop();
        return;
    }
    const qint64 durationMs = Graph.DurationMs();
    const qint64 positionMs = Graph.CurrentPosition() / 10000;
    Max = static_cast<int>(durationMs / 1000);
    Pos = static_cast<int>(positionMs / 1000);
    if (Handler)
        Handler(positionMs, durationMs);
}
