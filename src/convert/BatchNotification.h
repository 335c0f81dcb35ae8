#pragma once

#include <QObject>
#include <QSet>
#include <QString>

// Says in a desktop notification how a batch went; its default action brings
// the main window to the front. One instance lives as long as the
// application, since a notification may be clicked long after its batch.
// Without a session bus or a notification server it silently does nothing.
class TBatchNotification final : public QObject {
    Q_OBJECT

public:
    static TBatchNotification& Instance();

    // Shows "3 files converted", "2 files converted, 1 could not be
    // converted" and the like, without waiting for the server's answer.
    void Notify(int converted, int failed);

private slots:
    void ActionInvoked(uint id, const QString& action);
    void ActivationToken(uint id, const QString& token);
    void NotificationClosed(uint id, uint reason);

private:
    explicit TBatchNotification(QObject* parent) : QObject(parent) {}
    void Listen();

    bool Listening = false;
    QSet<uint> Open; // ids of the notifications still on the desktop
    QString Token;   // lets the next action's window come to the front
};

// The notification's summary of a batch.
QString BatchSummary(int converted, int failed);
