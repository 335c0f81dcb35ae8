#pragma once

#include <QDBusUnixFileDescriptor>
#include <QObject>

// Keeps the computer from going to sleep, on its own or when idle, while a
// batch runs: a logind inhibitor lock on the system bus. The lock lasts as
// long as its file descriptor is open, so it also ends with the process.
// Without a system bus or logind it silently does nothing.
class TSleepInhibitor final : public QObject {
    Q_OBJECT

public:
    // Asks for the lock without waiting for the answer.
    TSleepInhibitor();
    ~TSleepInhibitor() override;

    // Gives the lock back, or drops it as soon as it is granted.
    void Release();

private:
    bool Wanted = true;
    QDBusUnixFileDescriptor Lock;
};
