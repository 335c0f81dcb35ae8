#include "convert/BatchNotification.h"

#include "support/ApplicationId.h"
#include "support/CommonLib.h"
#include "support/Controls.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QPointer>
#include <QWidget>

#include <utility>

namespace {

const char* const Service = "org.freedesktop.Notifications";
const char* const Path = "/org/freedesktop/Notifications";

QString Files(int count) {
    return QString::number(count) + (count == 1 ? " file" : " files");
}

} // namespace

QString BatchSummary(int converted, int failed) {
    if (failed == 0)
        return Files(converted) + " converted";
    if (converted == 0)
        return Files(failed) + " could not be converted";
    return Files(converted) + " converted, " + QString::number(failed) + " could not be converted";
}

TBatchNotification& TBatchNotification::Instance() {
    static QPointer<TBatchNotification> instance;
    if (!instance)
        instance = new TBatchNotification(QCoreApplication::instance());
    return *instance;
}

void TBatchNotification::Notify(int converted, int failed) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    Listen();
    QDBusMessage call = QDBusMessage::createMethodCall(Service, Path, Service, "Notify");
    call << QString(ApplicationTitle) << uint(0) << QString(ApplicationId)
         << BatchSummary(converted, failed) << QString() << QStringList{"default", "Show"}
         << QVariantMap{{"desktop-entry", QString(ApplicationId)}} << -1;
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        const QDBusPendingReply<uint> reply = *w;
        if (!reply.isError())
            Open.insert(reply.value());
    });
}

void TBatchNotification::Listen() {
    if (Listening)
        return;
    Listening = true;
    // Taken from any sender: naming the server would have the bus asked for
    // its owner, and the answer waited for.
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.connect(QString(), Path, Service, "ActionInvoked", this,
                SLOT(ActionInvoked(uint, QString)));
    bus.connect(QString(), Path, Service, "ActivationToken", this,
                SLOT(ActivationToken(uint, QString)));
    bus.connect(QString(), Path, Service, "NotificationClosed", this,
                SLOT(NotificationClosed(uint, uint)));
}

void TBatchNotification::ActivationToken(uint id, const QString& token) {
    // Comes just before the action: on Wayland a window comes to the front
    // only with the token of the click that asked for it.
    if (Open.contains(id))
        Token = token;
}

void TBatchNotification::ActionInvoked(uint id, const QString& action) {
    const QString token = std::exchange(Token, QString());
    if (action != "default" || !Open.remove(id))
        return;
    QWidget* main = Controls.Main.Window;
    if (!main)
        return;
    main->setWindowState(main->windowState() & ~Qt::WindowMinimized);
    main->show();
    main->raise();
    // Qt's Wayland windows take the token from the environment as they are
    // activated; no later child process must find it there.
    if (!token.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
    main->activateWindow();
    if (!token.isEmpty())
        qunsetenv("XDG_ACTIVATION_TOKEN");
}

void TBatchNotification::NotificationClosed(uint id, uint) {
    Open.remove(id);
}
