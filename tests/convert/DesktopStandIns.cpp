#include "DesktopStandIns.h"

#include <QDBusConnection>
#include <QDBusMessage>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace {

const char* const LogindPath = "/org/freedesktop/login1";
const char* const NotificationsPath = "/org/freedesktop/Notifications";
const char* const NotificationsService = "org.freedesktop.Notifications";

bool OfferObject(const TPrivateBus& bus, const QString& service, const QString& path,
                 QObject* object) {
    QDBusConnection connection = bus.StandIns();
    return connection.registerObject(path, object, QDBusConnection::ExportAllSlots) &&
           connection.registerService(service);
}

void WithdrawObject(const TPrivateBus& bus, const QString& service, const QString& path) {
    QDBusConnection connection = bus.StandIns();
    connection.unregisterService(service);
    connection.unregisterObject(path);
}

} // namespace

TStandInLogind::~TStandInLogind() {
    for (int fd : ReadEnds)
        ::close(fd);
}

bool TStandInLogind::Offer(const TPrivateBus& bus) {
    return OfferObject(bus, "org.freedesktop.login1", LogindPath, this);
}

void TStandInLogind::Withdraw(const TPrivateBus& bus) {
    WithdrawObject(bus, "org.freedesktop.login1", LogindPath);
}

QDBusUnixFileDescriptor TStandInLogind::Inhibit(const QString& what, const QString& who,
                                                const QString& why, const QString& mode) {
    Calls << QStringList{what, who, why, mode}.join(" / ");
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0)
        return {};
    ReadEnds << ends[0];
    QDBusUnixFileDescriptor lock;
    lock.giveFileDescriptor(ends[1]); // gone once the answer is sent
    return lock;
}

bool TStandInLogind::Held() const {
    if (ReadEnds.isEmpty())
        return false;
    pollfd end{ReadEnds.last(), POLLIN, 0};
    return ::poll(&end, 1, 0) == 0; // a given-back lock reads as hung up
}

bool TStandInNotifications::Offer(const TPrivateBus& bus) {
    return OfferObject(bus, NotificationsService, NotificationsPath, this);
}

void TStandInNotifications::Withdraw(const TPrivateBus& bus) {
    WithdrawObject(bus, NotificationsService, NotificationsPath);
}

void TStandInNotifications::Click(const TPrivateBus& bus, uint id) {
    QDBusMessage clicked =
        QDBusMessage::createSignal(NotificationsPath, NotificationsService, "ActionInvoked");
    clicked << id << QString("default");
    bus.StandIns().send(clicked);
}

uint TStandInNotifications::Notify(const QString& appName, uint, const QString& icon,
                                   const QString& summary, const QString& body,
                                   const QStringList& actions, const QVariantMap& hints, int) {
    const uint id = 700 + uint(Notes.size());
    Notes << TNote{id, appName, icon, summary, body, actions, hints};
    return id;
}

bool TLauncherWatch::Listen(const TPrivateBus& bus) {
    return bus.StandIns().connect(QString(), QString(), "com.canonical.Unity.LauncherEntry",
                                  "Update", this, SLOT(Update(QString, QVariantMap)));
}

void TLauncherWatch::Update(const QString& app, const QVariantMap& properties) {
    Updates << TUpdate{app, properties};
}
