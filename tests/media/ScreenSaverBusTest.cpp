// The screen-saver hold against a real message bus: a private session bus
// of this test with a stand-in screen-saver service on it.
#include "media/VideoWindowScreenSaver.h"
#include "testsupport/StandInScreenSaver.h"

#include <QElapsedTimer>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class ScreenSaverBus : public ::testing::Test {
protected:
    static void SetUpTestSuite() { BusStarted = TStandInScreenSaver::StartBus(); }
    static void TearDownTestSuite() { TStandInScreenSaver::StopBus(); }
    void SetUp() override {
        if (!BusStarted)
            GTEST_SKIP() << "dbus-daemon could not be started";
    }
    void OfferService() { ASSERT_TRUE(StandIn.Offer(TScreenSaverInhibitor::Service)); }
    void TearDown() override { StandIn.Withdraw(); }
    bool CallsReach(int count) {
        return QTest::qWaitFor([&] { return StandIn.Calls.size() >= count; }, 5000);
    }

    static bool BusStarted;
    TStandInScreenSaver StandIn;
};

bool ScreenSaverBus::BusStarted = false;

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
    // A call that waited for the missing service would hold the window for
    // the bus's 25 s timeout; the bound is loose so a loaded machine passes.
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_TRUE(StandIn.Calls.isEmpty());
}

} // namespace
