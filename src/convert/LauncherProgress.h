#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <QVariantMap>

// Shows the batch's overall progress, as the progress window's overall bar
// has it (TBatchProgress::OverallMoved), on the application's launcher in the dock or taskbar,
// through the launcher-entry signal on the session bus, and takes it away again. Docks redraw on
// every signal, so it goes out at most twice a second. Without a session bus it silently does
// nothing.
class TLauncherProgress final : public QObject {
    Q_OBJECT

public:
    // Shows an empty bar at once.
    TLauncherProgress();
    // Clears, when that has not been done yet.
    ~TLauncherProgress() override;

    // The overall bar moved to this share of its range, from 0 to 1.
    void Show(double share);
    // Takes the bar off the launcher and stops following the batch.
    void Clear();

    static constexpr int MinimumGapMs = 500;

private:
    void Moved();
    void Send(const QVariantMap& properties);

    QTimer Pending; // sends the latest position once the gap is over
    QElapsedTimer SinceSent;
    double Latest = 0;
    double Shown = 0;
    bool Showing = false;
};
