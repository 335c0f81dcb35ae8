#include "testsupport/PrivateBus.h"

#include <csignal>
#include <sys/prctl.h>

TPrivateBus::TPrivateBus() {
    // The daemon goes with the test, even when the test is killed.
    Daemon.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    Daemon.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
    if (Daemon.waitForStarted(5000) && Daemon.waitForReadyRead(5000))
        BusAddress = QString::fromUtf8(Daemon.readLine()).trimmed();
}

TPrivateBus::~TPrivateBus() {
    QDBusConnection::disconnectFromBus("stand-ins " + BusAddress);
    Daemon.kill();
    Daemon.waitForFinished(5000);
}

QDBusConnection TPrivateBus::StandIns() const {
    return QDBusConnection::connectToBus(BusAddress, "stand-ins " + BusAddress);
}
