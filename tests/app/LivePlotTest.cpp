#include "app/Program.h"
#include "app/Unit1.h"
#include "format/FormatSettings.h"
#include "framework/Application.h"
#include "framework/Random.h"
#include "platform/sys/ManualClock.h"
#include "platform/ui/headless/HeadlessWindowSystem.h"
#include "tests/app/LivePlotClock.h"

#include <clocale>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

using namespace vur;
using vur::test::May17At9;

namespace {

// 17 May 2024 is day 45429 after 30 December 1899 (1 January 2024 is 45292;
// January to April hold 121 days).
constexpr double May17 = 45429.0;
constexpr std::int64_t NineOClock = 9 * 3600000LL;

// The stated generator recurrence, independent of the code under test.
struct Reference {
    std::uint64_t State;
    int Next() {
        State = (State * 134775813ULL + 1ULL) % 4294967296ULL;
        return static_cast<int>((100 * State) >> 32);
    }
};

struct LivePlot : ::testing::Test {
    sys::ManualClock Clock{May17At9()};
    sys::ScopedClock UseClock{Clock};
    ui::HeadlessWindowSystem WS{&Clock};
    std::unique_ptr<TApplication> App;
    TForm1* Form = nullptr;

    void SetUp() override {
        App = std::make_unique<TApplication>(WS);
        App->SetTitle("LivePlot");
        App->CreateForm(Form1);
        Form = Form1;
        GeneratorSeed = 12345;
    }
    void TearDown() override {
        App.reset();
        Form1 = nullptr;
    }
    void Click(TButton* Button) {
        WS.ClickButton(Button->GetHandle());
        App->ProcessMessages();
    }
    void Wait(int Ms) {
        WS.Advance(Ms);
        App->ProcessMessages();
    }
    int ChartRequests() { return WS.InvalidateCount(Form->Chart1->GetHandle()); }
    std::vector<double> Xs() {
        std::vector<double> R;
        for (int I = 0; I < Form->Series1->Count(); ++I) R.push_back(Form->Series1->GetxValue(I));
        return R;
    }
    std::vector<double> Ys() {
        std::vector<double> R;
        for (int I = 0; I < Form->Series1->Count(); ++I) R.push_back(Form->Series1->GetyValue(I));
        return R;
    }
    ui::WindowHandle TimerWindow() { return Form->Timer1->GetWindowHandle(); }
};

} // namespace

TEST_F(LivePlot, TheFormIsBuiltWithItsStoredComponentsAndValues) {
    ASSERT_EQ(Form->ComponentCount(), 5);
    const char* Names[] = {"Chart1", "Series1", "Button1", "Button2", "Timer1"};
    for (int I = 0; I < 5; ++I) EXPECT_EQ(Form->Components(I)->GetName(), Names[I]);
    EXPECT_EQ(Form->GetName(), "Form1");
    EXPECT_EQ(Form->BoundsRect(), Rect(192, 198, 192 + 739, 198 + 342));
    EXPECT_EQ(Form->GetCaption(), "Form1");
    EXPECT_EQ(Form->GetColor(), clBtnFace);
    EXPECT_EQ(Form->GetFont()->GetCharset(), 1); // the default character set
    EXPECT_EQ(Form->GetFont()->GetColor(), clWindowText);
    EXPECT_EQ(Form->GetFont()->GetHeight(), -11);
    EXPECT_EQ(Form->GetFont()->GetSize(), 8); // 11 pixels at 96 per inch
    EXPECT_EQ(Form->GetFont()->GetName(), "MS Sans Serif");
    EXPECT_EQ(Form->GetFont()->GetStyle(), 0);
    EXPECT_EQ(Form->GetPixelsPerInch(), 96);
    EXPECT_EQ(Form->GetTextHeight(), 13);
    EXPECT_FALSE(Form->GetOldCreateOrder());
    EXPECT_EQ(App->GetMainForm(), Form);

    EXPECT_EQ(Form->Chart1->GetParent(), Form);
    EXPECT_EQ(Form->Chart1->BoundsRect(), Rect(20, 16, 20 + 689, 16 + 257));
    EXPECT_FALSE(Form->Chart1->GetView3D());
    EXPECT_EQ(Form->Chart1->GetTitle()->GetText()->Count(), 1);
    EXPECT_EQ(Form->Chart1->GetTitle()->GetCaption(), "TChart");
    EXPECT_EQ(Form->Chart1->GetBottomAxis()->GetDateTimeFormat(), "hh:nn:ss");
    EXPECT_EQ(Form->Chart1->GetTabOrder(), 0);
    ASSERT_EQ(Form->Chart1->SeriesCount(), 1);
    EXPECT_EQ(Form->Chart1->GetSeries(0), Form->Series1);

    TLineSeries* S = Form->Series1;
    EXPECT_EQ(S->GetOwner(), Form);
    EXPECT_EQ(S->GetParentChart(), Form->Chart1);
    EXPECT_EQ(S->GetSeriesColor(), clRed); // the first palette colour
    EXPECT_FALSE(S->GetMarks()->GetVisible());
    EXPECT_EQ(S->GetMarks()->GetCallout()->GetBrush()->GetColor(), clBlack);
    EXPECT_EQ(S->GetValueFormat(), "hh:nn:ss");
    EXPECT_TRUE(S->GetPointer()->GetInflateMargins());
    EXPECT_EQ(S->GetPointer()->GetStyle(), psRectangle);
    EXPECT_FALSE(S->GetPointer()->GetVisible());
    EXPECT_TRUE(S->GetXValues()->GetDateTime());
    EXPECT_EQ(S->GetXValues()->GetName(), "X");
    EXPECT_EQ(S->GetXValues()->GetOrder(), loAscending);
    EXPECT_EQ(S->GetYValues()->GetName(), "Y");
    EXPECT_EQ(S->GetYValues()->GetOrder(), loNone);

    const struct {
        TButton* Button;
        TRect Bounds;
        const char* Caption;
        int TabOrder;
    } Buttons[] = {{Form->Button1, Rect(48, 280, 123, 305), "Start", 1},
                   {Form->Button2, Rect(136, 280, 211, 305), "Stop", 2}};
    for (const auto& B : Buttons) {
        EXPECT_EQ(B.Button->BoundsRect(), B.Bounds);
        EXPECT_EQ(B.Button->GetCaption(), B.Caption);
        EXPECT_EQ(B.Button->GetTabOrder(), B.TabOrder);
        EXPECT_EQ(WS.Window(B.Button->GetHandle()).Params.Text, B.Caption);
    }
    EXPECT_FALSE(Form->Timer1->GetEnabled());
    EXPECT_EQ(Form->Timer1->GetInterval(), 1000u);
    EXPECT_TRUE(static_cast<bool>(Form->Timer1->GetOnTimer()));
    EXPECT_EQ(WS.TimerCount(), 0);
}

TEST_F(LivePlot, ElevenTicksLeaveTenPointsInTimeOrderWithTheGeneratorsValues) {
    Click(Form->Button1);
    Reference Ref{12345};
    std::vector<int> Expected;
    for (int Tick = 1; Tick <= 11; ++Tick) {
        const int Before = ChartRequests();
        Wait(1000);
        Expected.push_back(Ref.Next());
        EXPECT_EQ(Form->Series1->Count(), std::min(Tick, 10));
        // One request for the add; one more for the removal once there are 11.
        EXPECT_EQ(ChartRequests() - Before, Tick <= 10 ? 1 : 2) << "tick " << Tick;
    }
    const std::vector<double> X = Xs();
    const std::vector<double> Y = Ys();
    ASSERT_EQ(X.size(), 10u);
    for (int I = 0; I < 10; ++I) {
        // Point I is tick I + 2 (the first was removed): 9:00 plus that many seconds.
        EXPECT_DOUBLE_EQ(X[I], May17 + (NineOClock + (I + 2) * 1000.0) / 86400000.0);
        EXPECT_EQ(Y[I], Expected[static_cast<std::size_t>(I + 1)]);
        EXPECT_EQ(Y[I], static_cast<int>(Y[I]));
        EXPECT_GE(Y[I], 0);
        EXPECT_LE(Y[I], 99);
    }
}

TEST_F(LivePlot, StartWhileRunningEmptiesAtOnceAndKeepsTheRhythm) {
    Click(Form->Button1);
    Wait(1000);
    Wait(400);
    ASSERT_EQ(Form->Series1->Count(), 1);
    Click(Form->Button1);
    EXPECT_EQ(Form->Series1->Count(), 0);
    EXPECT_EQ(WS.TimerDue(TimerWindow(), 1), 2000); // the old rhythm
    Wait(600);
    EXPECT_EQ(Form->Series1->Count(), 1);
}

TEST_F(LivePlot, StopKeepsThePointsAndStartAgainBeginsAFreshSecond) {
    Click(Form->Button1);
    for (int I = 0; I < 3; ++I) Wait(1000);
    Wait(300);
    Click(Form->Button2);
    EXPECT_EQ(WS.TimerCount(), 0);
    Wait(5000);
    EXPECT_EQ(Form->Series1->Count(), 3);
    Click(Form->Button2); // "Stop" when stopped does nothing
    EXPECT_EQ(Form->Series1->Count(), 3);
    Click(Form->Button1);
    EXPECT_EQ(Form->Series1->Count(), 0);
    Wait(999);
    EXPECT_EQ(Form->Series1->Count(), 0);
    Wait(1);
    EXPECT_EQ(Form->Series1->Count(), 1);
    EXPECT_DOUBLE_EQ(Xs()[0], May17 + (NineOClock + 9300.0) / 86400000.0);
}

TEST_F(LivePlot, ClockSetBackInsertsInTimeOrder) {
    Click(Form->Button1);
    for (int I = 0; I < 3; ++I) Wait(1000);
    Clock.Advance(-10000);
    Wait(1000); // local 08:59:54
    const std::vector<double> X = Xs();
    ASSERT_EQ(X.size(), 4u);
    EXPECT_DOUBLE_EQ(X[0], May17 + (NineOClock - 6000.0) / 86400000.0);
    for (std::size_t I = 1; I < X.size(); ++I) EXPECT_LT(X[I - 1], X[I]);
}

TEST_F(LivePlot, WithTenPointsAnOlderThanAllPointIsRemovedAtOnce) {
    Click(Form->Button1);
    for (int I = 0; I < 10; ++I) Wait(1000);
    const std::vector<double> X = Xs();
    const std::vector<double> Y = Ys();
    Clock.Advance(-60000);
    Wait(1000);
    EXPECT_EQ(Xs(), X);
    EXPECT_EQ(Ys(), Y);
}

TEST_F(LivePlot, AFailingTickIsShownAndTheTicksGoOn) {
    int Ticks = 0;
    Form->Timer1->SetOnTimer([&](TPersistent* Sender) {
        if (++Ticks == 2) throw EInvalidOperation("Tick failed");
        Form->Timer1Timer(Sender);
    });
    Click(Form->Button1);
    for (int I = 0; I < 4; ++I) Wait(1000);
    ASSERT_EQ(WS.MessageBoxes().size(), 1u);
    EXPECT_EQ(WS.MessageBoxes()[0].Text, "Tick failed.");
    EXPECT_EQ(WS.MessageBoxes()[0].Caption, "LivePlot");
    EXPECT_EQ(WS.MessageBoxes()[0].Style, 16u);
    EXPECT_EQ(Form->Series1->Count(), 3);
}

TEST_F(LivePlot, NoPlatformTimerLeftIsShownAfterTheSeriesWasEmptied) {
    Click(Form->Button1);
    Wait(1000);
    Click(Form->Button2);
    WS.SetTimersAvailable(false);
    Click(Form->Button1);
    EXPECT_EQ(Form->Series1->Count(), 0);
    ASSERT_EQ(WS.MessageBoxes().size(), 1u);
    EXPECT_EQ(WS.MessageBoxes()[0].Text, "Not enough timers available.");
    EXPECT_EQ(WS.MessageBoxes()[0].Style, 16u);
    EXPECT_TRUE(Form->Timer1->GetEnabled());
    WS.SetTimersAvailable(true);
    Wait(5000);
    EXPECT_EQ(Form->Series1->Count(), 0);
    Click(Form->Button1); // still "running": no re-arm
    Wait(5000);
    EXPECT_EQ(Form->Series1->Count(), 0);
    Click(Form->Button2);
    Click(Form->Button1);
    Wait(1000);
    EXPECT_EQ(Form->Series1->Count(), 1);
}

namespace {

// Runs the whole program on the headless backend: Start, let Ticks ticks come,
// then close the main window. Returns the entry point's result.
int RunProgram(ui::HeadlessWindowSystem& WS, int Ticks, std::vector<double>* Ys = nullptr, int CmdShow = 1) {
    int Steps = 0;
    WS.SetIdleHandler([&] {
        ++Steps;
        if (Steps == 1) {
            WS.ClickButton(Form1->Button1->GetHandle());
        } else if (Form1->Series1->Count() < Ticks && Steps < 100) {
            WS.Advance(1000);
        } else {
            if (Ys != nullptr)
                for (int I = 0; I < Form1->Series1->Count(); ++I) Ys->push_back(Form1->Series1->GetyValue(I));
            EXPECT_EQ(WS.Window(Form1->GetHandle()).ShowCommand, CmdShow);
            WS.RequestClose(Form1->GetHandle());
        }
    });
    return LivePlotMain(WS, CmdShow);
}

} // namespace

TEST(LivePlotProgram, ClosingTheWindowEndsWithZeroAndNoTickFollows) {
    sys::ManualClock Clock{May17At9()};
    sys::ScopedClock UseClock{Clock};
    ui::HeadlessWindowSystem WS{&Clock};
    EXPECT_EQ(RunProgram(WS, 3, nullptr, ui::SW_SHOWMAXIMIZED), 0);
    EXPECT_EQ(Form1, nullptr);
    EXPECT_EQ(Application, nullptr);
    EXPECT_TRUE(WS.Windows().empty());
    EXPECT_EQ(WS.TimerCount(), 0);
    WS.Advance(5000);
    ui::Message M;
    EXPECT_FALSE(WS.PeekMessage(M));
}

TEST(LivePlotProgram, TheSequenceDependsOnlyOnTheUtcTimeOfDayAtStart) {
    const auto Run = [](sys::SystemTime Utc, int OffsetMinutes) {
        sys::ManualClock Clock{Utc};
        Clock.SetUtcOffsetMinutes(OffsetMinutes);
        sys::ScopedClock UseClock{Clock};
        ui::HeadlessWindowSystem WS{&Clock};
        std::vector<double> Ys;
        RunProgram(WS, 5, &Ys);
        return Ys;
    };
    sys::SystemTime Later = May17At9();
    Later.Milliseconds = 1;
    sys::SystemTime OtherDay = May17At9();
    OtherDay.Day = 3;
    const std::vector<double> First = Run(May17At9(), 0);
    // Seeded with 9 h in milliseconds since midnight UTC.
    Reference Ref{9 * 3600000ULL};
    ASSERT_EQ(First.size(), 5u);
    for (double Y : First) EXPECT_EQ(Y, Ref.Next());
    EXPECT_EQ(Run(OtherDay, 120), First);
    EXPECT_NE(Run(Later, 0), First);
}

TEST(LivePlotProgram, StartUpFailuresAreShownAndTheResultIsStillZero) {
    ui::HeadlessWindowSystem WS;
    InitProc = [] { throw EInvalidOperation("Cannot start"); };
    EXPECT_EQ(LivePlotMain(WS, ui::SW_SHOWNORMAL), 0);
    InitProc = [] { throw 7; };
    EXPECT_EQ(LivePlotMain(WS, ui::SW_SHOWNORMAL), 0);
    InitProc = nullptr;
    ASSERT_EQ(WS.MessageBoxes().size(), 2u);
    EXPECT_EQ(WS.MessageBoxes()[0].Text, "Cannot start.");
    EXPECT_EQ(WS.MessageBoxes()[0].Style, 16u);
    EXPECT_EQ(WS.MessageBoxes()[1].Text, ""); // a foreign object becomes an empty Exception
    EXPECT_TRUE(WS.Windows().empty());
}

TEST(LivePlotProgram, StartUpLoadsTheLocaleSettingsWithoutTouchingTheProcessLocale) {
    // The environment selects the POSIX locale, whose date pattern and am text
    // differ from the fallbacks the settings hold before start-up.
    const char* Previous = std::getenv("LC_ALL");
    const std::string Saved = Previous != nullptr ? Previous : "";
    setenv("LC_ALL", "C", 1);
    FormatSettings() = TFormatSettings{};
    const std::string ProcessLocale = std::setlocale(LC_ALL, nullptr);

    ui::HeadlessWindowSystem WS;
    std::string DateWhileRunning, AmWhileRunning;
    WS.SetIdleHandler([&] {
        DateWhileRunning = FormatSettings().ShortDatePattern;
        AmWhileRunning = FormatSettings().TimeAMText;
        WS.RequestClose(Form1->GetHandle());
    });
    EXPECT_EQ(LivePlotMain(WS, ui::SW_SHOWNORMAL), 0);
    EXPECT_EQ(DateWhileRunning, "mm/dd/yy");
    EXPECT_EQ(AmWhileRunning, "AM");
    EXPECT_EQ(std::setlocale(LC_ALL, nullptr), ProcessLocale);

    FormatSettings() = TFormatSettings{};
    if (Previous != nullptr)
        setenv("LC_ALL", Saved.c_str(), 1);
    else
        unsetenv("LC_ALL");
}
