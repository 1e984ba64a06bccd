// Pixels an axis draws: labels beside their ticks for each side, the line,
// outer ticks, the grid strictly inside the axis ends, centred grid lines,
// minor ticks, alternate label rows and the label event.
#include "tests/chart/DaZezava/AxisDrawTestSupport.h"

#include <chrono>
#include <cstdlib>

namespace vur {
namespace {

using test::AxisDrawFixture;
using test::Grey;

struct AxisDrawTest : AxisDrawFixture {
    // Labels 60 pixels apart at x = 130, 190, ..., 370; the axis ends at 100 and 400.
    const TRect Plot{100, 40, 400, 300};

    void SetUp() override {
        AxisDrawFixture::SetUp();
        Left->SetMinMax(0, 100);
        Left->SetIncrement(25);
        Bottom->SetMinMax(-0.5, 4.5);
        Bottom->SetIncrement(1);
    }
};

TEST_F(AxisDrawTest, LeftAxisLabelsTicksAndGrid) {
    const TRect R = Arrange({Left}, Plot);
    Left->Draw(true);
    const std::vector<int>& Ticks = Left->GetTickPositions();
    ASSERT_GE(Ticks.size(), 3U);
    EXPECT_EQ(Ticks.front(), R.Top);
    EXPECT_EQ(Ticks.back(), R.Bottom);
    const int Line = Left->GetAxisLinePos();
    const int H = FontHeight(Left);
    for (const int P : Ticks) {
        // The tick runs from one pixel outside the line, four pixels long.
        EXPECT_EQ(Pixel(Line - 2, P), Grey) << P;
        EXPECT_EQ(Pixel(Line - 4, P), Grey) << P;
        EXPECT_NE(Pixel(Line - 5, P), Grey) << P;
        // Right-aligned at the labels anchor, centred on the tick.
        const TRect Text = Ink({0, P - H, Line - 6, P + H});
        EXPECT_LE(Text.Right, Left->GetLabelsPos()) << P;
        EXPECT_GE(Text.Right, Left->GetLabelsPos() - 2) << P;
        EXPECT_GE(Text.Top, P - H / 2) << P;
        EXPECT_LE(Text.Bottom, P - H / 2 + H) << P;
        // Grid only strictly inside the ends.
        const int GridPixels = CountGrey({R.Left + 1, P, R.Right, P + 1});
        if (P == R.Top || P == R.Bottom)
            EXPECT_EQ(GridPixels, 0) << P;
        else
            EXPECT_GT(GridPixels, 50) << P;
    }
    // The axis line (two pixels wide) runs along the chart's left edge.
    EXPECT_EQ(Line, R.Left);
    EXPECT_TRUE(Dark(Pixel(Line, (R.Top + R.Bottom) / 2)));
}

TEST_F(AxisDrawTest, BottomLabelsAreCentredBelowTheirTicks) {
    Arrange({Bottom}, Plot);
    Bottom->Draw(true);
    const std::vector<int> Expected{370, 310, 250, 190, 130};
    ASSERT_EQ(Bottom->GetTickPositions(), Expected);
    const int Line = Bottom->GetAxisLinePos();
    const int H = FontHeight(Bottom);
    for (const int P : Expected) {
        EXPECT_EQ(Pixel(P, Line + 1), Grey);
        EXPECT_EQ(Pixel(P, Line + 4), Grey);
        EXPECT_NE(Pixel(P, Line + 5), Grey);
        const TRect Text = Ink({P - 29, Line + 5, P + 29, Line + 5 + 2 * H});
        EXPECT_GE(Text.Top, Bottom->GetLabelsPos());
        EXPECT_LE(Text.Bottom, Bottom->GetLabelsPos() + H);
        EXPECT_LE(std::abs((Text.Left + Text.Right) - 2 * P), 2) << P;
    }
}

TEST_F(AxisDrawTest, GridCenteredDrawsMidpointsOnly) {
    Bottom->SetMinMax(0, 2);
    const TRect R = Arrange({Bottom}, {100, 40, 220, 300});
    Bottom->SetGridCentered(true);
    Bottom->Draw(true);
    const std::vector<int> Expected{220, 160, 100};
    ASSERT_EQ(Bottom->GetTickPositions(), Expected);
    const auto Column = [this, &R](int X) { return CountGrey({X, R.Top + 2, X + 1, R.Bottom - 2}); };
    EXPECT_GT(Column(130), 50);
    EXPECT_GT(Column(190), 50);
    EXPECT_EQ(Column(160), 0);
    EXPECT_EQ(Column(101), 0);
    EXPECT_EQ(Column(219), 0);
}

TEST_F(AxisDrawTest, MinorTicksEveryFifteenPixelsAlsoBeyondTheOuterLabels) {
    Arrange({Bottom}, Plot);
    Bottom->Draw(true);
    const int Line = Bottom->GetAxisLinePos();
    // Minor ticks are two pixels long: present on the second row, absent on the third.
    for (int X = 115; X <= 385; X += 15) {
        const bool Major = (X - 130) % 60 == 0;
        EXPECT_EQ(Pixel(X, Line + 2), Grey) << X;
        EXPECT_EQ(Pixel(X, Line + 3) == Grey, Major) << X;
    }
    // Nothing at the axis ends or between the fifteen-pixel steps.
    for (const int X : {100, 400, 122, 137, 352}) EXPECT_NE(Pixel(X, Line + 2), Grey) << X;
}

// More minor ticks than the axis has pixels mark every pixel between its
// ends, each drawn once: a count of a million once drew millions of ticks.
TEST_F(AxisDrawTest, MinorTicksBeyondThePixelsMarkEachPixelOnce) {
    Bottom->SetMinorTickCount(1000000);
    Arrange({Bottom}, Plot);
    const auto Start = std::chrono::steady_clock::now();
    Bottom->Draw(true);
    const int Line = Bottom->GetAxisLinePos();
    for (int X = 101; X < 400; ++X) ASSERT_EQ(Pixel(X, Line + 2), Grey) << X;
    for (const int X : {100, 400}) EXPECT_NE(Pixel(X, Line + 2), Grey) << X;

    Left->SetLogarithmic(true);
    Left->SetMinMax(1e-300, 1e300);
    Left->SetMinorTickCount(1000000);
    Arrange({Left}, Plot);
    Left->Draw(true);
    EXPECT_LT(std::chrono::steady_clock::now() - Start, std::chrono::seconds(1));
}

TEST_F(AxisDrawTest, AlternateLabelsUseTwoRows) {
    Bottom->SetLabelsAlternate(true);
    const TRect R = Arrange({Bottom}, Plot);
    const int H = FontHeight(Bottom);
    EXPECT_EQ(R.Bottom, Plot.Bottom - 2 * H - 7);
    Bottom->Draw(true);
    const int Top = Bottom->GetLabelsPos();
    const std::vector<int>& Ticks = Bottom->GetTickPositions();
    ASSERT_GE(Ticks.size(), 5U);
    for (std::size_t I = 0; I < Ticks.size(); ++I) {
        const int P = Ticks[I];
        const int Row = I % 2 == 0 ? Top : Top + H;
        const int Other = I % 2 == 0 ? Top + H : Top;
        EXPECT_GT(CountDark({P - 10, Row, P + 10, Row + H}), 0) << I;
        EXPECT_EQ(CountDark({P - 10, Other, P + 10, Other + H}), 0) << I;
    }
}

TEST_F(AxisDrawTest, LabelsOnEverySideAtAngleZero) {
    TChartAxis* Right = Chart->GetRightAxis();
    TChartAxis* Top = Chart->GetTopAxis();
    Series->SetCustomVertAxis(Right);
    Series->SetCustomHorizAxis(Top);
    Right->SetMinMax(0, 100);
    Top->SetMinMax(-0.5, 4.5);
    Top->SetIncrement(1);
    const TRect R = Arrange({Right, Top}, Plot);
    Right->Draw(true);
    Top->Draw(true);
    const int H = FontHeight(Right);
    // Right axis: left-aligned at the labels anchor beyond the line.
    const int Middle = Right->GetTickPositions()[1];
    const TRect RightText = Ink({R.Right + 8, Middle - H, 500, Middle + H});
    EXPECT_GE(RightText.Left, Right->GetLabelsPos());
    EXPECT_LE(RightText.Left, Right->GetLabelsPos() + 2);
    // Top axis: bottom-aligned on the labels anchor above the line.
    const int P = Top->GetTickPositions()[2];
    const TRect TopText = Ink({P - 29, 0, P + 29, R.Top - 7});
    EXPECT_LE(TopText.Bottom, Top->GetLabelsPos());
    EXPECT_GE(TopText.Top, Top->GetLabelsPos() - H);
}

TEST_F(AxisDrawTest, OppositeAlignmentPutsLeftLabelsAtTheFarEdgeOfTheBand) {
    Left->SetLabelsAlign(alOpposite);
    Arrange({Left}, Plot);
    Left->Draw(true);
    const int Band = Left->SizeLabels();
    const int Far = Left->GetLabelsPos() - Band;
    for (const int P : Left->GetTickPositions()) {
        const TRect Text = Ink({0, P - 20, Left->GetAxisLinePos() - 6, P + 20});
        EXPECT_GE(Text.Left, Far) << P;
        EXPECT_LE(Text.Left, Far + 2) << P;
    }
}

TEST_F(AxisDrawTest, OnDrawLabelMovesChangesOrSuppressesTexts) {
    int Calls = 0;
    Left->OnDrawLabel = [&Calls](TChartAxis*, int&, int&, int&, std::string&, bool& DrawLabel) {
        ++Calls;
        DrawLabel = false;
    };
    Arrange({Left}, Plot);
    Left->Draw(true);
    EXPECT_EQ(Calls, static_cast<int>(Left->GetTickPositions().size()));
    EXPECT_EQ(CountDark({0, 0, Left->GetLabelsPos() + 1, 400}), 0);

    Left->OnDrawLabel = [](TChartAxis*, int& X, int&, int&, std::string& Text, bool&) {
        X -= 40;
        Text = "X";
    };
    Left->Draw(true);
    const int H = FontHeight(Left);
    const int P = Left->GetTickPositions()[1];
    const TRect Text = Ink({0, P - H, Left->GetLabelsPos(), P + H});
    EXPECT_LE(Text.Right, Left->GetLabelsPos() - 40);
    EXPECT_LE(Text.Right - Text.Left, TextWidth(Left, "X"));
}

TEST_F(AxisDrawTest, TwoLineLabelsAreCentredOnTheirTickOnVerticalAxes) {
    Left->SetLabelsMultiLine(true);
    Chart->OnGetAxisLabel = [](TChartAxis*, TChartSeries*, int, std::string& Text) { Text = "AA\rAA"; };
    Arrange({Left}, Plot);
    Left->Draw(true);
    const int H = FontHeight(Left);
    const int P = Left->GetTickPositions()[1];
    const TRect Text = Ink({0, P - 2 * H, Left->GetLabelsPos() + 1, P + 2 * H});
    EXPECT_GE(Text.Top, P - H);
    EXPECT_LE(Text.Bottom, P + H);
    EXPECT_GT(Text.Bottom - Text.Top, H);
}

TEST_F(AxisDrawTest, OpaqueFormatDrawsAFramedBoxBehindEachLabel) {
    Bottom->GetItems()->GetFormat()->SetTransparent(false);
    Arrange({Bottom}, Plot);
    Bottom->Draw(true);
    const int H = FontHeight(Bottom);
    const int P = 250;
    const int W = TextWidth(Bottom, Bottom->LabelValue(2));
    const int Margin = TextWidth(Bottom, "W") / 2;
    // The frame's left side lies half a "W" left of the text.
    const int FrameX = P - W / 2 - Margin;
    EXPECT_GT(CountDark({FrameX - 1, Bottom->GetLabelsPos() + 1, FrameX + 2, Bottom->GetLabelsPos() + H - 1}),
              H / 2);
}

TEST_F(AxisDrawTest, InnerTicksRunIntoThePlot) {
    Bottom->GetGrid()->SetVisible(false);
    Bottom->SetTickInnerLength(3);
    Arrange({Bottom}, Plot);
    Bottom->Draw(true);
    const int Line = Bottom->GetAxisLinePos();
    for (const int P : Bottom->GetTickPositions()) {
        EXPECT_EQ(Pixel(P, Line - 2), Grey) << P;
        EXPECT_EQ(Pixel(P, Line - 3), Grey) << P;
        EXPECT_NE(Pixel(P, Line - 4), Grey) << P;
    }
}

TEST_F(AxisDrawTest, HiddenLabelsStillGiveTicksAndGridWhenTicksFollowValues) {
    Bottom->SetTickOnLabelsOnly(false);
    Bottom->SetLabels(false);
    const TRect R = Arrange({Bottom}, Plot);
    Bottom->Draw(true);
    const std::vector<int> Expected{370, 310, 250, 190, 130};
    EXPECT_EQ(Bottom->GetTickPositions(), Expected);
    EXPECT_GT(CountGrey({250, R.Top + 1, 251, R.Bottom}), 50);
    EXPECT_EQ(CountDark({0, R.Bottom + 8, 500, 400}), 0);
}

TEST_F(AxisDrawTest, MinorGridFollowsTheMinorTicks) {
    Bottom->GetMinorGrid()->SetVisible(true);
    const TRect R = Arrange({Bottom}, Plot);
    Bottom->Draw(true);
    // The minor grid pen keeps its own (black) colour.
    const auto Ink = [this, &R](int X) { return CountDark({X, R.Top + 1, X + 1, R.Bottom - 2}); };
    for (const int X : {115, 145, 160, 385}) EXPECT_GT(Ink(X), 50) << X;
    EXPECT_EQ(Ink(137), 0);
}

TEST_F(AxisDrawTest, ExponentIsSmallerAndRaised) {
    Bottom->GetItems()->Add(2, "1E5");
    Bottom->SetLabelsExponent(true);
    Arrange({Bottom}, Plot);
    Bottom->Draw(true);
    const int P = 250;
    const int H = FontHeight(Bottom);
    const TRect Whole = Ink({P - 30, Bottom->GetLabelsPos(), P + 30, Bottom->GetLabelsPos() + H});
    ASSERT_LT(Whole.Left, Whole.Right);
    const int Mantissa = TextWidth(Bottom, "1");
    const TRect First = Ink({Whole.Left, Whole.Top, Whole.Left + Mantissa, Whole.Bottom});
    const TRect Second = Ink({Whole.Left + Mantissa, Whole.Top, Whole.Right, Whole.Bottom});
    EXPECT_LT(Second.Top, First.Top);
    EXPECT_LT(Second.Bottom - Second.Top, First.Bottom - First.Top);
    // No "E" is drawn: the text is narrower than the plain one.
    EXPECT_LT(Whole.Right - Whole.Left, TextWidth(Bottom, "1E5"));
}

TEST_F(AxisDrawTest, LeftLabelsAtNinetyDegreesReadUpwardsCentredOnTheirTick) {
    Left->SetLabelsAngle(90);
    const TRect R = Arrange({Left}, Plot);
    const int H = FontHeight(Left);
    EXPECT_EQ(R.Left, Plot.Left + H + 7);
    Left->Draw(true);
    const int P = Left->GetTickPositions()[2];
    const TRect Text = Ink({0, P - 30, Left->GetLabelsPos() + 1, P + 30});
    ASSERT_LT(Text.Top, Text.Bottom);
    EXPECT_LE(Text.Right, Left->GetLabelsPos() + 1);
    EXPECT_GE(Text.Left, Left->GetLabelsPos() - H);
    EXPECT_LE(std::abs(Text.Top + Text.Bottom - 2 * P), 3);
    EXPECT_GT(Text.Bottom - Text.Top, Text.Right - Text.Left);
}

} // namespace
} // namespace vur
