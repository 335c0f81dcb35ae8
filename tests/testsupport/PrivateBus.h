#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QString>

// A message bus of the test's own: a dbus-daemon with the session bus's
// configuration, ended with the object. The application reaches it through
// DBUS_SESSION_BUS_ADDRESS or DBUS_SYSTEM_BUS_ADDRESS; stand-in services sit
// on a connection of their own.
class TPrivateBus {
public:
    TPrivateBus();
    ~TPrivateBus();
    TPrivateBus(const TPrivateBus&) = delete;
    TPrivateBus& operator=(const TPrivateBus&) = delete;

    // Empty when the daemon could not be started.
    QString Address() const { return BusAddress; }
    qint64 DaemonId() const { return Daemon.processId(); }
    // The stand-in services' connection to this bus.
    QDBusConnection StandIns() const;

private:
    QProcess Daemon;
    QString BusAddress;
};
