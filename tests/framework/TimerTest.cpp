#include "framework/Timer.h"
#include "framework/Exceptions.h"
#include "tests/platform/ui/HeadlessPump.h"

#include <gtest/gtest.h>

using namespace vur;

namespace {

struct TimerFixture : ::testing::Test {
    ui::HeadlessWindowSystem WS;
    ui::ScopedWindowSystem Use{WS};
    int Ticks = 0;
    TPersistent* LastSender = nullptr;

    TNotifyEvent Counter() {
        return [this](TPersistent* Sender) {
            ++Ticks;
            LastSender = Sender;
        };
    }
    void Step(int Ms) {
        WS.Advance(Ms);
        test::PumpMessages(WS);
    }
};

} // namespace

TEST_F(TimerFixture, ANewTimerIsEnabledButStartsNothingWithoutHandler) {
    TTimer T(nullptr);
    EXPECT_TRUE(T.GetEnabled());
    EXPECT_EQ(T.GetInterval(), 1000u);
    EXPECT_TRUE(WS.IsWindow(T.GetWindowHandle()));
    EXPECT_EQ(WS.Window(T.GetWindowHandle()).Params.Kind, ui::wkMessageOnly);
    EXPECT_EQ(WS.TimerCount(), 0);
    T.SetOnTimer(Counter());
    EXPECT_TRUE(WS.HasTimer(T.GetWindowHandle(), 1));
    EXPECT_EQ(WS.TimerDue(T.GetWindowHandle(), 1), 1000);
    Step(1000);
    EXPECT_EQ(Ticks, 1);
    EXPECT_EQ(LastSender, &T);
}

TEST_F(TimerFixture, SettingTheSameValueKeepsTheRhythmAChangeRestartsIt) {
    TTimer T(nullptr);
    T.SetOnTimer(Counter());
    Step(400);
    T.SetEnabled(true); // already True: nothing happens
    EXPECT_EQ(WS.TimerDue(T.GetWindowHandle(), 1), 1000);
    T.SetInterval(1000);
    EXPECT_EQ(WS.TimerDue(T.GetWindowHandle(), 1), 1000);
    T.SetInterval(500); // a real change re-arms from now
    EXPECT_EQ(WS.TimerDue(T.GetWindowHandle(), 1), 900);
    T.SetEnabled(false);
    EXPECT_EQ(WS.TimerCount(), 0);
    Step(5000);
    EXPECT_EQ(Ticks, 0);
    T.SetEnabled(true);
    EXPECT_EQ(WS.TimerDue(T.GetWindowHandle(), 1), 5400 + 500);
    T.SetInterval(0); // no period, no platform timer
    EXPECT_EQ(WS.TimerCount(), 0);
}

TEST_F(TimerFixture, FailingPlatformTimerRaisesAndLeavesEnabledSet) {
    TTimer T(nullptr);
    T.SetEnabled(false);
    T.SetOnTimer(Counter());
    WS.SetTimersAvailable(false);
    try {
        T.SetEnabled(true);
        FAIL();
    } catch (const EOutOfResources& E) {
        EXPECT_EQ(E.Message(), "Not enough timers available");
    }
    EXPECT_TRUE(T.GetEnabled());
    WS.SetTimersAvailable(true);
    Step(3000);
    EXPECT_EQ(Ticks, 0);
    T.SetEnabled(true); // no change, no re-arm
    Step(3000);
    EXPECT_EQ(Ticks, 0);
    T.SetEnabled(false);
    T.SetEnabled(true);
    Step(1000);
    EXPECT_EQ(Ticks, 1);
}

TEST_F(TimerFixture, DestructionKillsThePlatformTimerAndItsWindow) {
    auto* T = new TTimer(nullptr);
    T->SetOnTimer(Counter());
    const ui::WindowHandle W = T->GetWindowHandle();
    WS.Advance(1000); // a tick is due but not yet handled
    delete T;
    EXPECT_FALSE(WS.IsWindow(W));
    EXPECT_EQ(WS.TimerCount(), 0);
    Step(1000);
    EXPECT_EQ(Ticks, 0);
}

TEST(TimerWithoutWindowSystem, CannotBeCreated) {
    ASSERT_EQ(ui::CurrentWindowSystem(), nullptr);
    EXPECT_THROW(TTimer T(nullptr), EInvalidOperation);
}
