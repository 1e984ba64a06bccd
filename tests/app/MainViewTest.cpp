// The program's main view after ten ticks, as the headless window system
// shows it: the red line stays inside the plot, the blue title sits centred
// above it, the grid is grey and dotted (three pixels on, three off) and the
// labels stand left of and below the plot.
#include "app/Unit1.h"
#include "framework/Application.h"
#include "framework/Random.h"
#include "platform/gdi/Types.h"
#include "platform/sys/ManualClock.h"
#include "platform/ui/headless/HeadlessWindowSystem.h"
#include "tests/app/LivePlotClock.h"
#include "tests/chart/PixelProbes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

using namespace vur;
using vur::test::May17At9;

namespace {

constexpr TColor Grey = 0x808080;

struct MainView : ::testing::Test {
    sys::ManualClock Clock{May17At9()};
    sys::ScopedClock UseClock{Clock};
    ui::HeadlessWindowSystem WS{&Clock};
    std::unique_ptr<TApplication> App;
    TChart* Chart = nullptr;
    TRect Plot;

    // Start, ten ticks, and whatever paint the system delivers.
    void SetUp() override {
        App = std::make_unique<TApplication>(WS);
        App->CreateForm(Form1);
        GeneratorSeed = 12345;
        Chart = Form1->Chart1;
        Form1->Show();
        WS.ClickButton(Form1->Button1->GetHandle());
        App->ProcessMessages();
        for (int Tick = 0; Tick < 10; ++Tick) {
            WS.Advance(1000);
            App->ProcessMessages();
        }
        Plot = Chart->GetChartRect();
    }
    void TearDown() override {
        if (HasFailure()) Chart->GetWindowImage().SaveToFile("MainViewAfterTenTicks.png");
        App.reset();
        Form1 = nullptr;
    }

    const ui::HeadlessWindowSystem::WindowState& Window() { return WS.Window(Chart->GetHandle()); }
    int Width() { return Window().PictureWidth; }
    int Height() { return Window().PictureHeight; }
    TColor Pixel(int X, int Y) {
        const auto& W = Window();
        return gdi::ColorFromPixel(W.Picture[static_cast<std::size_t>(Y) * W.PictureWidth + X] & 0xFFFFFF);
    }
    static bool Dark(TColor C) {
        return (C & 0xFF) < 0x60 && ((C >> 8) & 0xFF) < 0x60 && ((C >> 16) & 0xFF) < 0x60;
    }
    // Text is smoothed: blue ink is mostly blue.
    static bool Bluish(TColor C) { return ((C >> 16) & 0xFF) > 0xA0 && (C & 0xFF) < 0x60; }

    template <class TTest>
    TRect Ink(const TRect& Box, TTest Test) {
        return test::InkBox(Box, [&](int X, int Y) { return Test(Pixel(X, Y)); });
    }
    // Along a grid line (Step one pixel right or down), skipping the pixels
    // where something else crosses it: grey runs of three with gaps of three.
    ::testing::AssertionResult Dotted(int X0, int Y0, int DX, int DY, int Length,
                                      const std::vector<int>& Crossings) {
        int First = -1;
        for (int K = 0; K < Length; ++K) {
            const int At = DX != 0 ? X0 + K : Y0 + K;
            const TColor C = Pixel(X0 + K * DX, Y0 + K * DY);
            if (C == clRed || std::find(Crossings.begin(), Crossings.end(), At) != Crossings.end()) continue;
            if (First < 0) {
                if (C != Grey) continue;
                First = K;
                if (First >= 6) return ::testing::AssertionFailure() << "starts " << First << " pixels in";
            }
            if ((C == Grey) != ((K - First) % 6 < 3))
                return ::testing::AssertionFailure() << "pixel " << K << " breaks the pattern";
        }
        if (First < 0) return ::testing::AssertionFailure() << "no grey pixel";
        return ::testing::AssertionSuccess();
    }
};

TEST_F(MainView, ShowsTheLineInsideThePlotUnderACentredTitleWithDottedGridAndLabels) {
    ASSERT_EQ(Form1->Series1->Count(), 10);
    ASSERT_EQ(Width(), 689);
    ASSERT_EQ(Height(), 257);
    const TRect All{0, 0, Width(), Height()};

    // Red only inside the plot (its frame included), and plenty of it.
    int Red = 0;
    for (int Y = 0; Y < Height(); ++Y)
        for (int X = 0; X < Width(); ++X)
            if (Pixel(X, Y) == clRed) {
                ++Red;
                EXPECT_TRUE(X >= Plot.Left && X <= Plot.Right && Y >= Plot.Top && Y <= Plot.Bottom)
                    << X << ", " << Y;
            }
    EXPECT_GT(Red, Plot.Right - Plot.Left);

    // "TChart" in blue above the plot, centred on the plot's span before the
    // axes took their bands (21 .. 668 on the main form).
    const TRect Title = Ink(All, Bluish);
    ASSERT_LT(Title.Left, Title.Right);
    EXPECT_LT(Title.Bottom, Plot.Top);
    EXPECT_GE(Title.Top, 12);
    EXPECT_LE(std::abs(Title.Left + Title.Right - (21 + 668)), 3);

    // Grey dotted grid lines strictly inside the plot.
    const std::vector<int> Rows = test::InnerTickPositions(Chart->GetLeftAxis());
    const std::vector<int> Columns = test::InnerTickPositions(Chart->GetBottomAxis());
    ASSERT_GE(Rows.size(), 2U);
    ASSERT_GE(Columns.size(), 2U);
    for (const int Y : Rows)
        EXPECT_TRUE(Dotted(Plot.Left + 1, Y, 1, 0, Plot.Right - Plot.Left - 1, Columns)) << "row " << Y;
    for (const int X : Columns)
        EXPECT_TRUE(Dotted(X, Plot.Top + 1, 0, 1, Plot.Bottom - Plot.Top - 1, Rows)) << "column " << X;

    // Label text beside every tick: left of the plot and below it, beyond the
    // line and tick band.
    const int H = Chart->GetCanvas()->GetFontHeight();
    for (const int Y : Chart->GetLeftAxis()->GetTickPositions()) {
        const TRect Text = Ink({0, Y - H, Plot.Left - 7, Y + H}, Dark);
        EXPECT_LT(Text.Left, Text.Right) << "row " << Y;
    }
    for (const int X : Chart->GetBottomAxis()->GetTickPositions()) {
        const TRect Text = Ink({X - 30, Plot.Bottom + 8, X + 30, Height()}, Dark);
        ASSERT_LT(Text.Left, Text.Right) << "column " << X;
        EXPECT_LE(std::abs(Text.Left + Text.Right - 2 * X), 3) << "column " << X;
    }
    // And no text right of the plot.
    const TRect Right = Ink({Plot.Right + 2, 0, Width(), Height()}, Dark);
    EXPECT_GE(Right.Left, Right.Right);
}

} // namespace
