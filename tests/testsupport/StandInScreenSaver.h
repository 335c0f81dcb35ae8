#pragma once

#include "testsupport/PrivateBus.h"

#include <QObject>
#include <QStringList>

#include <memory>

// The desktop's screen saver as the test program's own: a private session
// bus with a stand-in org.freedesktop.ScreenSaver that answers Inhibit with
// a new cookie and records every call.
class TStandInScreenSaver final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")

public:
    // Starts the bus the program's session bus is from its first use on;
    // false when dbus-daemon could not be started.
    static bool StartBus();
    static void StopBus();

    // Puts the stand-in on the bus under the service name the hold asks.
    bool Offer(const QString& service);
    void Withdraw();
    // Whether the screen saver is held off, as far as calls have arrived.
    bool HeldOff() const;

    QStringList Calls;
    quint32 LastCookie = 0;

public slots:
    quint32 Inhibit(const QString& application, const QString& reason);
    void UnInhibit(quint32 cookie);

private:
    QString Service;
    static std::unique_ptr<TPrivateBus> Bus;
};
