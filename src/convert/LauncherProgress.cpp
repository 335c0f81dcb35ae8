#include "convert/LauncherProgress.h"

#include "support/ApplicationId.h"

#include <QDBusConnection>
#include <QDBusMessage>

TLauncherProgress::TLauncherProgress() {
    if (!QDBusConnection::sessionBus().isConnected())
        return;
    Showing = true;
    Send({{"progress", 0.0}, {"progress-visible", true}});
    Pending.setSingleShot(true);
    Pending.setTimerType(Qt::PreciseTimer);
    connect(&Pending, &QTimer::timeout, this, &TLauncherProgress::Moved);
}

TLauncherProgress::~TLauncherProgress() {
    Clear();
}

void TLauncherProgress::JobStarting() {
    Progress.StartJob();
}

void TLauncherProgress::Output(const QString& text, const TProgressJob& job) {
    // A stopped batch has no position to show.
    if (!Showing || job.CurrentRow >= job.RowCount)
        return;
    Progress.Refresh(text, job);
    Moved();
}

void TLauncherProgress::Clear() {
    if (!Showing)
        return;
    Showing = false;
    Pending.stop();
    Send({{"progress", 0.0}, {"progress-visible", false}});
}

void TLauncherProgress::Moved() {
    const TBarFigures& bar = Progress.Overall;
    if (!Showing || bar.Maximum <= bar.Minimum || bar.Value < bar.Minimum)
        return;
    const double position = double(bar.Value - bar.Minimum) / double(bar.Maximum - bar.Minimum);
    if (position == Shown)
        return;
    const qint64 wait = MinimumGapMs - SinceSent.elapsed();
    if (wait > 0) {
        if (!Pending.isActive())
            Pending.start(int(wait));
        return;
    }
    Shown = position;
    Send({{"progress", position}, {"progress-visible", true}});
}

void TLauncherProgress::Send(const QVariantMap& properties) {
    QDBusMessage update = QDBusMessage::createSignal(ApplicationPath() + "/LauncherEntry",
                                                     "com.canonical.Unity.LauncherEntry", "Update");
    update << QString("application://%1.desktop").arg(ApplicationId) << properties;
    QDBusConnection::sessionBus().send(update);
    SinceSent.start();
}
