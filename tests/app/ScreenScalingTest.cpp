#include "app/Unit1.h"
#include "framework/Application.h"
#include "platform/ui/headless/HeadlessWindowSystem.h"

#include <gtest/gtest.h>
#include <memory>

using namespace vur;

namespace {

// The form as the stored description lays it out at 96 pixels per inch.
constexpr TRect FormAt96{192, 198, 192 + 739, 198 + 342};
constexpr TRect ChartAt96{20, 16, 20 + 689, 16 + 257};
constexpr TRect StartAt96{48, 280, 48 + 75, 280 + 25};
constexpr TRect StopAt96{136, 280, 136 + 75, 280 + 25};

// Height of a line of text in the form's face at a pixel height, measured on a
// canvas of its own.
int LineHeight(int FontHeight) {
    TBitmap Probe(1, 1);
    Probe.GetCanvas()->GetFont()->SetName("MS Sans Serif");
    Probe.GetCanvas()->GetFont()->SetHeight(FontHeight);
    return Probe.GetCanvas()->TextHeight("0");
}

// Every edge and size multiplied by Now / 13, halves rounded up (all are positive here).
TRect Scaled(const TRect& R, int Now) {
    const auto S = [Now](int V) { return (2 * V * Now + 13) / 26; };
    const int Left = S(R.Left);
    const int Top = S(R.Top);
    return TRect{Left, Top, Left + S(R.Width()), Top + S(R.Height())};
}

struct OnAScreen {
    ui::HeadlessWindowSystem WS;
    std::unique_ptr<TApplication> App;

    explicit OnAScreen(int PixelsPerInch) {
        WS.SetScreenPixelsPerInch(PixelsPerInch);
        App = std::make_unique<TApplication>(WS);
        App->CreateForm(Form1);
    }
    ~OnAScreen() {
        App.reset();
        Form1 = nullptr;
    }
    ui::Bounds WindowRect(TWinControl* Control) { return WS.Window(Control->GetHandle()).Params.Rect; }
};

ui::Bounds BoundsOf(const TRect& R) { return ui::Bounds{R.Left, R.Top, R.Width(), R.Height()}; }

struct Resolution {
    int PixelsPerInch;
    int FontHeight; // -11 pixels at 96 per inch, in proportion, halves away from zero
};

class ScreenScaling : public ::testing::TestWithParam<Resolution> {};

} // namespace

TEST_P(ScreenScaling, FontFollowsTheScreenAndTheLayoutTheTextHeight) {
    const Resolution R = GetParam();
    OnAScreen Screen(R.PixelsPerInch);
    TForm1* Form = Form1;
    const int Now = LineHeight(R.FontHeight);
    // The layout grows with the screen, or stays when nothing changed.
    if (R.PixelsPerInch > 96) {
        EXPECT_GT(Now, 13);
    }

    EXPECT_EQ(Form->GetFont()->GetHeight(), R.FontHeight);
    EXPECT_EQ(Form->GetFont()->GetName(), "MS Sans Serif");
    EXPECT_EQ(Form->GetPixelsPerInch(), R.PixelsPerInch);
    EXPECT_EQ(Form->GetTextHeight(), R.PixelsPerInch == 96 ? 13 : Now);

    const int By = R.PixelsPerInch == 96 ? 13 : Now;
    EXPECT_EQ(Form->BoundsRect(), Scaled(FormAt96, By));
    EXPECT_EQ(Form->Chart1->BoundsRect(), Scaled(ChartAt96, By));
    EXPECT_EQ(Form->Button1->BoundsRect(), Scaled(StartAt96, By));
    EXPECT_EQ(Form->Button2->BoundsRect(), Scaled(StopAt96, By));

    // The windows are made with the scaled geometry and font, and the chart paints all of its own.
    const ui::WindowParams& Window = Screen.WS.Window(Form->GetHandle()).Params;
    EXPECT_EQ(Window.FontName, "MS Sans Serif");
    EXPECT_EQ(Window.FontHeight, R.FontHeight);
    EXPECT_EQ(Screen.WindowRect(Form), BoundsOf(Scaled(FormAt96, By)));
    EXPECT_EQ(Screen.WindowRect(Form->Chart1), BoundsOf(Scaled(ChartAt96, By)));
    EXPECT_EQ(Screen.WindowRect(Form->Button1), BoundsOf(Scaled(StartAt96, By)));
    Form->Show();
    Form->Chart1->Invalidate();
    Screen.App->ProcessMessages();
    const auto& Chart = Screen.WS.Window(Form->Chart1->GetHandle());
    EXPECT_GT(Chart.PaintCount, 0);
    EXPECT_EQ(Chart.PictureWidth, Scaled(ChartAt96, By).Width());
    EXPECT_EQ(Chart.PictureHeight, Scaled(ChartAt96, By).Height());
}

INSTANTIATE_TEST_SUITE_P(Screens, ScreenScaling,
                         ::testing::Values(Resolution{96, -11}, Resolution{120, -14}, Resolution{144, -17},
                                           Resolution{72, -8}),
                         [](const auto& Info) { return std::to_string(Info.param.PixelsPerInch) + "ppi"; });

TEST(ScreenScalingLimits, AScreenWithoutAResolutionLeavesTheStoredLayout) {
    OnAScreen Screen(0);
    EXPECT_EQ(Form1->GetPixelsPerInch(), 96);
    EXPECT_EQ(Form1->GetFont()->GetHeight(), -11);
    EXPECT_EQ(Form1->BoundsRect(), FormAt96);
    EXPECT_EQ(Form1->Chart1->BoundsRect(), ChartAt96);
}
