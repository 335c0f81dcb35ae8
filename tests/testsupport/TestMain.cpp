#include "support/Globals.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <clocale>

// The test programs of windows run with a QApplication on the offscreen
// platform, as the application does with its numbers read in the "C"
// convention and its global objects created.
int main(int argc, char** argv) {
    // Nothing a test does reaches the desktop's message buses: no
    // notification, no lock, no launcher progress. A test that needs a bus
    // starts its own.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/quenvo-test-session-bus");
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/quenvo-test-system-bus");
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    CreateGlobalObjects();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
