#include "platform/ui/headless/HeadlessWindowSystem.h"

#include <gtest/gtest.h>
#include <vector>

using namespace vur::ui;

namespace {

// Records every message a window receives.
struct Recorder : MessageHandler {
    std::vector<Message> Received;
    std::intptr_t HandleMessage(const Message& Msg) override {
        Received.push_back(Msg);
        return 0;
    }
};

struct HeadlessFixture : ::testing::Test {
    HeadlessWindowSystem WS;
    Recorder Top;
    Recorder Child;

    WindowHandle MakeTop() {
        WindowParams P;
        P.Kind = wkTopLevel;
        P.Text = "Main";
        P.Rect = Bounds{192, 198, 739, 342};
        return WS.CreateWindow(P, &Top);
    }
    std::vector<std::uint32_t> Pump() {
        std::vector<std::uint32_t> Kinds;
        Message M;
        while (WS.PeekMessage(M)) {
            Kinds.push_back(M.Msg);
            WS.DispatchMessage(M);
        }
        return Kinds;
    }
};

} // namespace

TEST_F(HeadlessFixture, TimerTicksThroughTheQueueOncePerStepAndKeepsItsRhythm) {
    const WindowHandle W = MakeTop();
    ASSERT_TRUE(WS.SetTimer(W, 7, 1000));
    WS.Advance(999);
    EXPECT_TRUE(Pump().empty());
    WS.Advance(1);
    EXPECT_EQ(Pump(), std::vector<std::uint32_t>{WM_TIMER});
    ASSERT_EQ(Top.Received.size(), 1u);
    EXPECT_EQ(Top.Received[0].WParam, 7u);
    // A long step owes one tick, not three; the next one stays on the 1000 ms grid.
    WS.Advance(3500);
    EXPECT_EQ(Pump().size(), 1u);
    EXPECT_EQ(WS.TimerDue(W, 7), 5000);
    WS.Advance(500);
    EXPECT_EQ(Pump().size(), 1u);
}

TEST_F(HeadlessFixture, KilledOrRestartedTimerLosesItsPendingTick) {
    const WindowHandle W = MakeTop();
    WS.SetTimer(W, 1, 100);
    WS.Advance(100);
    EXPECT_TRUE(WS.KillTimer(W, 1));
    EXPECT_FALSE(WS.KillTimer(W, 1));
    EXPECT_TRUE(Pump().empty());
    WS.SetTimer(W, 1, 100);
    WS.Advance(100);
    WS.SetTimer(W, 1, 100); // restart: due again 100 ms from now
    EXPECT_TRUE(Pump().empty());
    EXPECT_EQ(WS.TimerDue(W, 1), 300);
}

TEST_F(HeadlessFixture, TimerCreationCanFailAndTinyPeriodsAreRaised) {
    const WindowHandle W = MakeTop();
    WS.SetTimersAvailable(false);
    EXPECT_FALSE(WS.SetTimer(W, 1, 1000));
    EXPECT_EQ(WS.TimerCount(), 0);
    WS.SetTimersAvailable(true);
    EXPECT_FALSE(WS.SetTimer(12345, 1, 1000)); // no such window
    EXPECT_TRUE(WS.SetTimer(W, 1, 0));
    EXPECT_EQ(WS.TimerDue(W, 1), USER_TIMER_MINIMUM);
}

TEST_F(HeadlessFixture, PostedMessagesComeBeforePaintsAndPaintsBeforeTimers) {
    const WindowHandle W = MakeTop();
    WS.SetTimer(W, 1, 10);
    WS.Advance(10);
    WS.InvalidateRect(W);
    WS.InvalidateRect(W);
    WS.PostMessage(Message{W, WM_USER, 0, 0});
    EXPECT_EQ(Pump(), (std::vector<std::uint32_t>{WM_USER, WM_PAINT, WM_TIMER}));
    // Two requests, one paint.
    EXPECT_EQ(WS.InvalidateCount(W), 2);
    EXPECT_EQ(WS.Window(W).PaintCount, 1);
}

TEST_F(HeadlessFixture, DestroyingAWindowTakesItsChildrenTimersAndMessagesWithIt) {
    const WindowHandle W = MakeTop();
    WindowParams P;
    P.Parent = W;
    const WindowHandle C = WS.CreateWindow(P, &Child);
    WS.SetTimer(C, 1, 10);
    WS.PostMessage(Message{C, WM_USER, 0, 0});
    WS.SetCapture(C);
    WS.DestroyWindow(W);
    EXPECT_FALSE(WS.IsWindow(C));
    EXPECT_EQ(WS.TimerCount(), 0);
    EXPECT_EQ(WS.QueuedCount(), 0u);
    EXPECT_EQ(WS.GetCapture(), NoWindow);
    WS.Advance(100);
    EXPECT_TRUE(Pump().empty());
    EXPECT_TRUE(Child.Received.empty());
}

TEST_F(HeadlessFixture, ButtonClickReachesTheParentAsCommand) {
    const WindowHandle W = MakeTop();
    WindowParams P;
    P.Kind = wkButton;
    P.Parent = W;
    P.Text = "Start";
    P.ControlId = 3;
    const WindowHandle B = WS.CreateWindow(P, nullptr);
    EXPECT_EQ(WS.FindWindow(wkButton, "Start"), B);
    WS.ClickButton(B);
    Pump();
    ASSERT_EQ(Top.Received.size(), 1u);
    EXPECT_EQ(Top.Received[0].Msg, WM_COMMAND);
    EXPECT_EQ(LowWord(Top.Received[0].WParam), 3);
    EXPECT_EQ(HighWord(Top.Received[0].WParam), BN_CLICKED);
    EXPECT_EQ(Top.Received[0].LParam, static_cast<std::intptr_t>(B));
    EXPECT_THROW(WS.ClickButton(W), std::invalid_argument);
}

TEST_F(HeadlessFixture, TopLevelClientAreaExcludesTheFrame) {
    const WindowHandle W = MakeTop();
    const Bounds C = WS.GetClientRect(W);
    EXPECT_EQ(C.Width, 739 - HeadlessWindowSystem::FrameLeft - HeadlessWindowSystem::FrameRight);
    EXPECT_EQ(C.Height, 342 - HeadlessWindowSystem::FrameTop - HeadlessWindowSystem::FrameBottom);
}

TEST_F(HeadlessFixture, MouseCoordinatesSurviveThePackingIncludingNegativeOnes) {
    const WindowHandle W = MakeTop();
    WS.PostMouse(W, WM_LBUTTONDOWN, -5, 300, MK_LBUTTON | MK_SHIFT);
    WS.PostWheel(W, -WHEEL_DELTA, 10, 20);
    Pump();
    ASSERT_EQ(Top.Received.size(), 2u);
    EXPECT_EQ(PointX(Top.Received[0].LParam), -5);
    EXPECT_EQ(PointY(Top.Received[0].LParam), 300);
    EXPECT_EQ(LowWord(Top.Received[0].WParam), MK_LBUTTON | MK_SHIFT);
    EXPECT_EQ(WheelDelta(Top.Received[1].WParam), -WHEEL_DELTA);
}

TEST_F(HeadlessFixture, MouseLeaveArrivesOnlyWhenAskedForAndOnce) {
    const WindowHandle W = MakeTop();
    WS.PointerLeft(W);
    EXPECT_TRUE(Pump().empty());
    WS.TrackMouseLeave(W);
    WS.PointerLeft(W);
    WS.PointerLeft(W);
    EXPECT_EQ(Pump(), std::vector<std::uint32_t>{WM_MOUSELEAVE});
}

TEST_F(HeadlessFixture, PresentedPictureIsCopiedRowByRow) {
    const WindowHandle W = MakeTop();
    // 2x2 picture inside a 3-pixel-wide buffer.
    const std::uint32_t Pixels[] = {1, 2, 99, 3, 4, 99};
    WS.ShowBitmap(W, PixelView{Pixels, 2, 2, 3});
    EXPECT_EQ(WS.Window(W).Picture, (std::vector<std::uint32_t>{1, 2, 3, 4}));
}

TEST_F(HeadlessFixture, MessageBoxesAreRecordedNotShown) {
    EXPECT_EQ(WS.MessageBox(NoWindow, "Text", "Caption", MB_OK | MB_ICONSTOP), IDOK);
    ASSERT_EQ(WS.MessageBoxes().size(), 1u);
    EXPECT_EQ(WS.MessageBoxes()[0].Text, "Text");
    EXPECT_EQ(WS.MessageBoxes()[0].Caption, "Caption");
    EXPECT_EQ(WS.MessageBoxes()[0].Style, 16u);
}

TEST_F(HeadlessFixture, MessageLoopRunsToQuitAndNeverHangsOnNothing) {
    int Ticks = 0;
    // Waiting moves the virtual clock to the next tick; the third tick quits.
    struct Quitter : MessageHandler {
        HeadlessWindowSystem* WS;
        int* Ticks;
        std::intptr_t HandleMessage(const Message& M) override {
            if (M.Msg == WM_TIMER && ++*Ticks == 3) WS->PostQuitMessage(42);
            return 0;
        }
    } Handler;
    Handler.WS = &WS;
    Handler.Ticks = &Ticks;
    WindowParams P;
    const WindowHandle T = WS.CreateWindow(P, &Handler);
    WS.SetTimer(T, 1, 250);
    EXPECT_EQ(WS.RunMessageLoop(), 42);
    EXPECT_EQ(WS.Now(), 750);
    WS.KillTimer(T, 1);
    EXPECT_EQ(WS.RunMessageLoop(), -1);
}

TEST_F(HeadlessFixture, AdvancingMovesAnAttachedClock) {
    vur::sys::ManualClock Clock;
    HeadlessWindowSystem Driven(&Clock);
    Driven.Advance(1500);
    EXPECT_EQ(Clock.UtcTime().Second, 1);
    EXPECT_EQ(Clock.UtcTime().Milliseconds, 500);
    EXPECT_THROW(Driven.Advance(-1), std::invalid_argument);
}
