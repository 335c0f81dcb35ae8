#include "convert/SleepInhibitor.h"

#include "support/CommonLib.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

TSleepInhibitor::TSleepInhibitor() {
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return;
    QDBusMessage call =
        QDBusMessage::createMethodCall("org.freedesktop.login1", "/org/freedesktop/login1",
                                       "org.freedesktop.login1.Manager", "Inhibit");
    call << QString("sleep:idle") << QString(ApplicationTitle) << QString("Converting videos")
         << QString("block");
    // The answer is read when the windows next serve their events, so a slow
    // or missing logind never holds up the batch.
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        const QDBusPendingReply<QDBusUnixFileDescriptor> reply = *w;
        if (Wanted && !reply.isError())
            Lock = reply.value();
    });
}

TSleepInhibitor::~TSleepInhibitor() {
    Release();
}

void TSleepInhibitor::Release() {
    Wanted = false;
    Lock = QDBusUnixFileDescriptor(); // closes the descriptor, which ends the lock
}
