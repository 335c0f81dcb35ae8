// The screen-saver hold against a real message bus: a private session bus
// of this test with a stand-in screen-saver service on it.
#include "media/VideoWindowScreenSaver.h"
#include "testsupport/PrivateBus.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QElapsedTimer>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

// Answers Inhibit with a new cookie and records every call.
class TStandInScreenSaver final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")

public:
    QStringList Calls;
    quint32 LastCookie = 0;

public slots:
    quint32 Inhibit(const QString& application, const QString& reason) {
        Calls << "Inhibit " + application + " / " + reason;
        return LastCookie = 40 + quint32(Calls.size());
    }
    void UnInhibit(quint32 cookie) { Calls << "UnInhibit " + QString::number(cookie); }
};

class ScreenSaverBus : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        Bus = std::make_unique<TPrivateBus>();
        // Read when the application first asks for its session bus.
        qputenv("DBUS_SESSION_BUS_ADDRESS", Bus->Address().toUtf8());
    }
    static void TearDownTestSuite() { Bus.reset(); }
    void SetUp() override {
        if (Bus->Address().isEmpty())
            GTEST_SKIP() << "dbus-daemon could not be started";
        ASSERT_TRUE(QDBusConnection::sessionBus().isConnected());
    }
    // Puts the stand-in on the bus under the service name the hold asks.
    void OfferService() {
        QDBusConnection bus = Bus->StandIns();
        ASSERT_TRUE(bus.isConnected());
        ASSERT_TRUE(bus.registerObject("/org/freedesktop/ScreenSaver", &StandIn,
                                       QDBusConnection::ExportAllSlots));
        ASSERT_TRUE(bus.registerService(TScreenSaverInhibitor::Service));
    }
    void TearDown() override {
        QDBusConnection bus = Bus->StandIns();
        bus.unregisterService(TScreenSaverInhibitor::Service);
        bus.unregisterObject("/org/freedesktop/ScreenSaver");
    }
    bool CallsReach(int count) {
        return QTest::qWaitFor([&] { return StandIn.Calls.size() >= count; }, 5000);
    }

    static std::unique_ptr<TPrivateBus> Bus;
    TStandInScreenSaver StandIn;
};

std::unique_ptr<TPrivateBus> ScreenSaverBus::Bus;

TEST_F(ScreenSaverBus, HoldIsTakenAndGivenBackWithItsCookie) {
    OfferService();
    TScreenSaverInhibitor hold;
    hold.SetInhibited(true);
    hold.SetInhibited(true); // asked once only
    ASSERT_TRUE(CallsReach(1));
    EXPECT_EQ(StandIn.Calls, QStringList{"Inhibit Quenvo / Playing a preview"});
    QTest::qWait(200); // the answer is in: the hold is held
    hold.SetInhibited(false);
    ASSERT_TRUE(CallsReach(2));
    EXPECT_EQ(StandIn.Calls[1], "UnInhibit " + QString::number(StandIn.LastCookie));
}

// Playback that pauses before the service has answered still gives the hold
// back once the answer arrives, so the screen saver is never left off.
TEST_F(ScreenSaverBus, HoldAnsweredAfterThePauseIsGivenBackAtOnce) {
    OfferService();
    TScreenSaverInhibitor hold;
    hold.SetInhibited(true);
    hold.SetInhibited(false);
    ASSERT_TRUE(CallsReach(2));
    EXPECT_EQ(StandIn.Calls[1], "UnInhibit " + QString::number(StandIn.LastCookie));
    QTest::qWait(100);
    EXPECT_EQ(StandIn.Calls.size(), 2);
}

TEST_F(ScreenSaverBus, BusWithoutTheServiceHoldsNothingUp) {
    TScreenSaverInhibitor hold;
    QElapsedTimer clock;
    clock.start();
    hold.SetInhibited(true);
    QTest::qWait(200);
    hold.SetInhibited(false);
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_TRUE(StandIn.Calls.isEmpty());
    EXPECT_FALSE(hold.Inhibited());
}

} // namespace

#include "ScreenSaverBusTest.moc"
