#include "media/VideoWindowScreenSaver.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

QString TScreenSaverInhibitor::Service = "org.freedesktop.ScreenSaver";

namespace {

QDBusMessage ScreenSaverCall(const QString& method) {
    return QDBusMessage::createMethodCall(TScreenSaverInhibitor::Service,
                                          "/org/freedesktop/ScreenSaver",
                                          "org.freedesktop.ScreenSaver", method);
}

} // namespace

TScreenSaverInhibitor::TScreenSaverInhibitor(QObject* parent) : QObject(parent) {}

TScreenSaverInhibitor::~TScreenSaverInhibitor() {
    SetInhibited(false);
}

void TScreenSaverInhibitor::SetInhibited(bool inhibited) {
    if (inhibited == Wanted)
        return;
    Wanted = inhibited;
    if (!inhibited) {
        Release();
        return;
    }
    if (Pending || Held)
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    // Asked without waiting, so a slow or missing service never holds up
    // the window; the answer may come after playback has already paused.
    QDBusMessage call = ScreenSaverCall("Inhibit");
    call << QString("Quenvo") << QString("Playing a preview");
    Pending = true;
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        Pending = false;
        const QDBusPendingReply<quint32> reply = *w;
        if (reply.isError())
            return;
        Cookie = reply.value();
        Held = true;
        if (!Wanted)
            Release();
    });
}

void TScreenSaverInhibitor::Release() {
    if (!Held)
        return;
    Held = false;
    QDBusMessage call = ScreenSaverCall("UnInhibit");
    call << Cookie;
    QDBusConnection::sessionBus().call(call, QDBus::NoBlock);
}
