#include "testsupport/StandInScreenSaver.h"

#include <QDBusConnection>

std::unique_ptr<TPrivateBus> TStandInScreenSaver::Bus;

bool TStandInScreenSaver::StartBus() {
    Bus = std::make_unique<TPrivateBus>();
    // Read when the program first asks for its session bus.
    qputenv("DBUS_SESSION_BUS_ADDRESS", Bus->Address().toUtf8());
    return !Bus->Address().isEmpty() && QDBusConnection::sessionBus().isConnected();
}

void TStandInScreenSaver::StopBus() {
    Bus.reset();
}

bool TStandInScreenSaver::Offer(const QString& service) {
    Service = service;
    QDBusConnection bus = Bus->StandIns();
    return bus.isConnected() &&
           bus.registerObject("/org/freedesktop/ScreenSaver", this,
                              QDBusConnection::ExportAllSlots) &&
           bus.registerService(Service);
}

void TStandInScreenSaver::Withdraw() {
    if (Service.isEmpty())
        return;
    QDBusConnection bus = Bus->StandIns();
    bus.unregisterService(Service);
    bus.unregisterObject("/org/freedesktop/ScreenSaver");
}

bool TStandInScreenSaver::HeldOff() const {
    return !Calls.isEmpty() && Calls.last().startsWith("Inhibit ");
}

quint32 TStandInScreenSaver::Inhibit(const QString& application, const QString& reason) {
    Calls << "Inhibit " + application + " / " + reason;
    return LastCookie = 40 + quint32(Calls.size());
}

void TStandInScreenSaver::UnInhibit(quint32 cookie) {
    Calls << "UnInhibit " + QString::number(cookie);
}
