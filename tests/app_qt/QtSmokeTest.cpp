#include "QtProgram.h"

#include "framework/DateTime.h"

using namespace vur;
using namespace std::chrono_literals;

namespace {

constexpr std::uint32_t Red = 0xFF0000;

using QtMainForm = QtProgram;

} // namespace

// Runs on the offscreen platform (the test environment sets QT_QPA_PLATFORM).
TEST_F(QtMainForm, StartPlotsRedLinesInsideThePlotStopHaltsAndClosingGivesZero) {
    const ui::WindowHandle Main = Form1->GetHandle();
    EXPECT_EQ(WS.FindWindow(ui::wkTopLevel, "Form1"), Main);
    EXPECT_TRUE(WS.IsWindowVisible(Main));
    const ui::WindowHandle Start = WS.FindWindow(ui::wkButton, "Start");
    const ui::WindowHandle Stop = WS.FindWindow(ui::wkButton, "Stop");
    ASSERT_NE(Start, ui::NoWindow);
    ASSERT_NE(Stop, ui::NoWindow);
    EXPECT_TRUE(WS.IsWindowVisible(Start));
    EXPECT_TRUE(WS.IsWindowVisible(Stop));
    EXPECT_TRUE(WS.IsWindowVisible(Form1->Chart1->GetHandle()));
    EXPECT_EQ(Form1->Chart1->GetClientWidth(), 689);
    // Shown, the empty chart paints itself at once: its title and axes are there before any data.
    PumpFor(100ms);
    const ui::QtWindowSystem::Snapshot Opened = WS.Grab(Form1->Chart1->GetHandle());
    ASSERT_EQ(Opened.Width, 689);
    int Dark = 0;
    for (const std::uint32_t Pixel : Opened.Pixels) Dark += Pixel == 0x000000;
    EXPECT_GT(Dark, 257); // at least the left axis line

    const TDateTime Clicked = CurrentLocalDateTime();
    WS.ClickButton(Start);
    ASSERT_TRUE(PumpUntil([] { return Form1->Series1->Count() >= 2; }, 2600ms));
    // One tick a second, the first about a second after the click.
    EXPECT_NEAR((Form1->Series1->GetxValue(0) - Clicked) * 86400.0, 1.0, 0.3);
    EXPECT_NEAR((Form1->Series1->GetxValue(1) - Form1->Series1->GetxValue(0)) * 86400.0, 1.0, 0.3);
    App->ProcessMessages(); // the repaint the second point asked for

    // The plot rectangle in the form's client area: the chart sits at (20, 16).
    const TRect Plot = Form1->Chart1->GetChartRect();
    const int Left = Plot.Left + 20, Right = Plot.Right + 20, Top = Plot.Top + 16, Bottom = Plot.Bottom + 16;
    const ui::QtWindowSystem::Snapshot Shot = WS.Grab(Main);
    ASSERT_GE(Shot.Width, 709);
    ASSERT_GE(Shot.Height, 273);
    int Inside = 0, Outside = 0;
    for (int Y = 0; Y < Shot.Height; ++Y)
        for (int X = 0; X < Shot.Width; ++X) {
            if (Shot.At(X, Y) != Red) continue;
            (X >= Left && X <= Right && Y >= Top && Y <= Bottom ? Inside : Outside) += 1;
        }
    // Two points make one segment from one side of the plot to the other.
    EXPECT_GE(Inside, (Plot.Right - Plot.Left) / 2);
    EXPECT_EQ(Outside, 0);
    if (HasFailure()) SavePicture(Shot, "qt_main_form_running");

    WS.ClickButton(Stop);
    const int Shown = Form1->Series1->Count();
    PumpFor(1300ms);
    EXPECT_EQ(Form1->Series1->Count(), Shown);

    WS.RequestClose(Main);
    EXPECT_TRUE(PumpUntil([&] { return App->GetTerminated(); }, 1000ms));
    EXPECT_EQ(App->GetExitCode(), 0);
    App.reset();
    Form1 = nullptr;
    EXPECT_FALSE(WS.IsWindow(Main));
    EXPECT_FALSE(WS.IsWindow(Start));
}
