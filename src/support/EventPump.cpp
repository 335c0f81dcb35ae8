#include "support/EventPump.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <QTimer>

namespace {

int InputHolds = 0;

} // namespace

TUserInputHold::TUserInputHold() {
    ++InputHolds;
}

TUserInputHold::~TUserInputHold() {
    --InputHolds;
}

QEventLoop::ProcessEventsFlags PumpFlags() {
    return InputHolds > 0 ? QEventLoop::ExcludeUserInputEvents : QEventLoop::AllEvents;
}

void ProcessMessages() {
    if (QCoreApplication::instance())
        QCoreApplication::processEvents(PumpFlags());
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
    loop.exec(PumpFlags());
}
