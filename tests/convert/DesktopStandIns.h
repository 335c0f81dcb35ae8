#pragma once

#include "testsupport/PrivateBus.h"

#include <QDBusUnixFileDescriptor>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

// Stands in for logind's Inhibit: hands out the write end of a pipe, as
// logind does, and keeps the read end, which ends when every copy of the
// handed-out descriptor is closed, that is when the lock is given back.
class TStandInLogind final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")

public:
    ~TStandInLogind() override;
    // Puts the service on the bus; false when that failed.
    bool Offer(const TPrivateBus& bus);
    void Withdraw(const TPrivateBus& bus);

    QStringList Calls;
    // Whether the lock handed out last is still held.
    bool Held() const;

public slots:
    QDBusUnixFileDescriptor Inhibit(const QString& what, const QString& who, const QString& why,
                                    const QString& mode);

private:
    QList<int> ReadEnds;
};

// Stands in for the desktop's notification server: records every
// notification and answers with its id.
class TStandInNotifications final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    struct TNote {
        uint Id;
        QString AppName, Icon, Summary, Body;
        QStringList Actions;
        QVariantMap Hints;
    };

    bool Offer(const TPrivateBus& bus);
    void Withdraw(const TPrivateBus& bus);
    // The server's signal that the person clicked the notification.
    void Click(const TPrivateBus& bus, uint id);

    QList<TNote> Notes;

public slots:
    uint Notify(const QString& appName, uint replacesId, const QString& icon,
                const QString& summary, const QString& body, const QStringList& actions,
                const QVariantMap& hints, int timeout);
};

// Listens, as a dock does, to the launcher-entry signals on a bus.
class TLauncherWatch final : public QObject {
    Q_OBJECT

public:
    struct TUpdate {
        QString App;
        QVariantMap Properties;
    };

    bool Listen(const TPrivateBus& bus);
    QList<TUpdate> Updates;

public slots:
    void Update(const QString& app, const QVariantMap& properties);
};
