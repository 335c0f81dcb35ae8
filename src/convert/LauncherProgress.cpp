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

void TLauncherProgress::Show(double share) {
    Latest = share;
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
    if (!Showing || Latest == Shown)
        return;
    const qint64 wait = MinimumGapMs - SinceSent.elapsed();
    if (wait > 0) {
        if (!Pending.isActive())
            Pending.start(int(wait));
        return;
    }
    Shown = Latest;
    Send({{"progress", Shown}, {"progress-visible", true}});
}

void TLauncherProgress::Send(const QVariantMap& properties) {
    QDBusMessage update = QDBusMessage::createSignal(ApplicationPath() + "/LauncherEntry",
                                                     "com.canonical.Unity.LauncherEntry", "Update");
    update << QString("application://%1.desktop").arg(ApplicationId) << properties;
    QDBusConnection::sessionBus().send(update);
    SinceSent.start();
}
