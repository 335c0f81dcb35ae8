#include "support/EventPump.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

void ProcessMessages() {
    if (QCoreApplication::instance())
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void PumpingSleep(int ms) {
    if (ms <= 0) {
        ProcessMessages();
        return;
    }
    if (!QCoreApplication::instance()) {
        QThread::msleep(ms);
        return;
    }
    // A local event loop sleeps in the event dispatcher until the timer or
    // any window event arrives, so it costs no CPU and no event waits.
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::AllEvents);
}
