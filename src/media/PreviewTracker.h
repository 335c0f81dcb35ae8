#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

class TPreviewGraph;

// The invisible position tracker of the preview graph: while the graph
// plays it reads the duration and position once a tick, keeps them in whole
// seconds and hands both, in milliseconds, to its handler.
class TPreviewTracker final : public QObject {
    Q_OBJECT

public:
    using THandler = std::function<void(qint64 positionMs, qint64 durationMs)>;

    explicit TPreviewTracker(TPreviewGraph& graph, QObject* parent = nullptr);

    void SetHandler(THandler handler) { Handler = std::move(handler); }
    // Ticking every Timing().TrackerMs.
    void Start();
    void Stop();

    // Whole seconds: 0 .. duration div 1000, position div 1000.
    int Maximum() const { return Max; }
    int Position() const { return Pos; }
    void SetPosition(int seconds) { Pos = seconds; }

private:
    void Tick();

    TPreviewGraph& Graph;
    QTimer Timer;
    THandler Handler;
    int Max = 0;
    int Pos = 0;
};
