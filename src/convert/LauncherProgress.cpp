#include "convert/LauncherProgress.h"

#include "support/ApplicationId.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QProgressBar>

TLauncherProgress::TLauncherProgress(QProgressBar* overallBar) : Bar(overallBar) {
    if (!QDBusConnection::sessionBus().isConnected())
        return;
    Showing = true;
    Send({{"progress", 0.0}, {"progress-visible", true}});
    Pending.setSingleShot(true);
    Pending.setTimerType(Qt::PreciseTimer);
    connect(&Pending, &QTimer::timeout, this, &TLauncherProgress::BarMoved);
    if (Bar)
        connect(Bar, &QProgressBar::valueChanged, this, &TLauncherProgress::BarMoved);
}

TLauncherProgress::~TLauncherProgress() {
    Clear();
}

void TLauncherProgress::Clear() {
    if (!Showing)
        return;
    Showing = false;
    Pending.stop();
    if (Bar)
        disconnect(Bar, nullptr, this, nullptr);
    Send({{"progress", 0.0}, {"progress-visible", false}});
}

void TLauncherProgress::BarMoved() {
    // A busy bar (after a stop) has no position to show.
    if (!Showing || !Bar || Bar->maximum() <= Bar->minimum())
        return;
    const double position =
        double(Bar->value() - Bar->minimum()) / double(Bar->maximum() - Bar->minimum());
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
