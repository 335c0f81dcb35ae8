#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QVariantMap>

class QProgressBar;

// Shows the position of the progress window's overall bar on the
// application's launcher in the dock or taskbar, through the launcher-entry
// signal on the session bus, and takes it away again. Docks redraw on every
// signal, so it goes out at most twice a second. Without a session bus it
// silently does nothing.
class TLauncherProgress final : public QObject {
    Q_OBJECT

public:
    // Shows an empty bar at once and follows the overall bar from now on.
    explicit TLauncherProgress(QProgressBar* overallBar);
    // Clears, when that has not been done yet.
    ~TLauncherProgress() override;

    // Takes the bar off the launcher and stops following the overall bar.
    void Clear();

    static constexpr int MinimumGapMs = 500;

private:
    void BarMoved();
    void Send(const QVariantMap& properties);

    QPointer<QProgressBar> Bar;
    QTimer Pending; // sends the latest position once the gap is over
    QElapsedTimer SinceSent;
    double Shown = 0;
    bool Showing = false;
};
