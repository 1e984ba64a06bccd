// Axes of a 3D chart. In the default orthogonal view a point at depth Z shows
// Z pixels right of and Z pixels above where it would be flat, so the grid,
// depth axis and side lines have plain pixel positions; a series that floods
// the plot shows which lines are drawn after it.
#include "chart/Chart/Walls.h"
#include "chart/RoVedure/View3DOptions.h"
#include "framework/ScopedValue.h"
#include "platform/numeric/Rounding.h"
#include "tests/chart/PaintTestSupport.h"
#include "tests/chart/PixelProbes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace vur::test {
namespace {

constexpr TColor Grey = 0x808080;

struct AxisDraw3DTest : ::testing::Test {
    TPaintLog Log;
    TComponent Form{nullptr};
    TChart* Chart = new TChart(&Form);
    TLoggingSeries* Series = new TLoggingSeries(&Form, Log, "A");
    TChartAxis* Left = Chart->GetLeftAxis();
    TChartAxis* Bottom = Chart->GetBottomAxis();
    TRect R;
    int D = 0;

    void SetUp() override {
        Chart->SetBounds(0, 0, 500, 400);
        Chart->SetView3D(true);
        // Its text would mix with the depth axis' labels at the right.
        Chart->GetLegend()->SetVisible(false);
        Chart->SetChart3DPercent(40);
        Series->SetParentChart(Chart);
        Series->SetTitle("Alpha");
        for (int I = 0; I < 10; ++I) Series->AddXY(I, I * 11);
        Left->SetMinMax(0, 100);
        Left->SetIncrement(25);
        Bottom->SetMinMax(0, 9);
        Bottom->SetIncrement(3);
    }
    void TearDown() override {
        if (HasFailure())
            Chart->GetWindowImage().SaveToFile(
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + ".png");
    }
    void Paint() {
        Chart->Draw();
        R = Chart->GetChartRect();
        D = Chart->GetWidth3D();
    }
    TColor Pixel(int X, int Y) const { return Chart->GetWindowImage().GetImage().GetPixel(X, Y); }
    static bool Dark(TColor C) {
        return (C & 0xFF) < 0x60 && ((C >> 8) & 0xFF) < 0x60 && ((C >> 16) & 0xFF) < 0x60;
    }
    int Count(const TRect& Box, TColor Color) const {
        return CountPixels(Box, [this, Color](int X, int Y) { return Pixel(X, Y) == Color; });
    }
    // Grey pixels on the diagonal from (X, Y) up and to the right, First..Last steps.
    int GreyDiagonal(int X, int Y, int First, int Last) const {
        int N = 0;
        for (int T = First; T <= Last; ++T) N += Pixel(X + T, Y - T) == Grey ? 1 : 0;
        return N;
    }
    // The smallest rectangle holding every dark pixel of Box.
    TRect Ink(const TRect& Box) const {
        return InkBox(Box, [this](int X, int Y) { return Dark(Pixel(X, Y)); });
    }
    int TextWidth(const std::string& Text) {
        Chart->GetCanvas()->AssignFont(Left->GetLabelsFont());
        return Chart->GetCanvas()->TextWidth(Text);
    }
    // The screen point of a chart point; orthogonal views need none of this.
    TPoint At(int X, int Y, int Z) const {
        return Chart->GetCanvas()->Calculate3DPosition(TPoint3D{X, Y, Z});
    }
    // Grey pixels within one pixel of the projected segment, sampled at 21
    // points over its middle 40%.
    int GreyNear(const TPoint3D& A, const TPoint3D& B) const {
        int N = 0;
        for (int K = 0; K <= 20; ++K) {
            const double F = 0.3 + 0.02 * K;
            const TPoint P =
                At(Round(A.X + (B.X - A.X) * F), Round(A.Y + (B.Y - A.Y) * F), Round(A.Z + (B.Z - A.Z) * F));
            N += Count(TRect{P.X - 1, P.Y - 1, P.X + 2, P.Y + 2}, Grey) > 0 ? 1 : 0;
        }
        return N;
    }
};

TEST_F(AxisDraw3DTest, GridBehindTheSeriesLiesOnTheBackWallAndRunsAlongTheSideWalls) {
    Paint();
    ASSERT_GT(D, 10);
    const std::vector<int> Rows = InnerTickPositions(Left);
    const std::vector<int> Columns = InnerTickPositions(Bottom);
    ASSERT_EQ(Rows.size(), 3U);
    ASSERT_EQ(Columns.size(), 2U);
    const int Crossings = static_cast<int>(Columns.size());
    for (const int P : Rows) {
        // Dotted across the back wall, at depth D.
        EXPECT_GE(Count({R.Left + 1 + D, P - D, R.Right + D, P - D + 1}, Grey), (R.Right - R.Left) * 2 / 5)
            << P;
        // Nothing across the front plane but the crossings of the other axis' back lines.
        EXPECT_LE(Count({R.Left + D + 2, P, R.Right, P + 1}, Grey), Crossings) << P;
        // Along the left wall from the axis line (depth 0) to the back.
        EXPECT_GE(GreyDiagonal(R.Left, P, 1, D - 1), D / 3) << P;
    }
    for (const int P : Columns) {
        EXPECT_GE(Count({P + D, R.Top + 1 - D, P + D + 1, R.Bottom - D}, Grey), (R.Bottom - R.Top) * 2 / 5)
            << P;
        // Along the floor.
        EXPECT_GE(GreyDiagonal(P, R.Bottom, 1, D - 1), D / 3) << P;
    }
}

TEST_F(AxisDraw3DTest, HiddenBackOrSideGridLeavesTheOtherLine) {
    {
        const TScopedValue Hide(Left->GetHideBackGrid(), true,
                                [this](bool On) { Left->SetHideBackGrid(On); });
        Paint();
    }
    EXPECT_FALSE(Left->GetHideBackGrid());
    for (const int P : InnerTickPositions(Left)) {
        EXPECT_LE(Count({R.Left + 1 + D, P - D, R.Right + D, P - D + 1}, Grey), 2) << P;
        EXPECT_GE(GreyDiagonal(R.Left, P, 1, D - 1), D / 3) << P;
    }
    {
        const TScopedValue Hide(Left->GetHideSideGrid(), true,
                                [this](bool On) { Left->SetHideSideGrid(On); });
        Paint();
    }
    EXPECT_FALSE(Left->GetHideSideGrid());
    for (const int P : InnerTickPositions(Left)) {
        EXPECT_GE(Count({R.Left + 1 + D, P - D, R.Right + D, P - D + 1}, Grey), (R.Right - R.Left) * 2 / 5)
            << P;
        EXPECT_EQ(GreyDiagonal(R.Left, P, 1, D - 1), 0) << P;
    }
}

TEST_F(AxisDraw3DTest, SideGridStartsAtItsZPositionAndIsLeftOutAtFullDepth) {
    Left->GetGrid()->SetZPosition(50);
    Bottom->GetGrid()->SetZPosition(100);
    Paint();
    const int Half = Round(D * 0.5);
    for (const int P : InnerTickPositions(Left)) {
        EXPECT_EQ(GreyDiagonal(R.Left, P, 1, Half - 2), 0) << P;
        EXPECT_GE(GreyDiagonal(R.Left, P, Half + 1, D - 1), (D - Half) / 3) << P;
    }
    for (const int P : InnerTickPositions(Bottom)) EXPECT_EQ(GreyDiagonal(P, R.Bottom, 1, D - 1), 0) << P;
}

TEST_F(AxisDraw3DTest, AxesInFrontDrawTheirGridOnTheFrontPlaneOnly) {
    Chart->SetAxisBehind(false);
    Paint();
    for (const int P : InnerTickPositions(Left)) {
        EXPECT_GE(Count({R.Left + 1, P, R.Right, P + 1}, Grey), (R.Right - R.Left) * 2 / 5) << P;
        EXPECT_LE(Count({R.Right + 1, P - D, R.Right + D, P - D + 1}, Grey), 0) << P;
        EXPECT_EQ(GreyDiagonal(R.Left, P, 1, D - 1), 0) << P;
    }
}

TEST_F(AxisDraw3DTest, RightAxisDrawnAgainOverItsWallLeavesItsBackGridUnderTheSeries) {
    Series->SetVertAxis(aRightAxis);
    TChartAxis* Right = Chart->GetRightAxis();
    Right->SetMinMax(0, 100);
    Right->SetIncrement(25);
    // A side line from the front to the back of the right wall.
    Right->GetGrid()->SetZPosition(0);
    Chart->GetWalls()->GetRight()->SetVisible(true);
    Series->Fill = clBlue;
    Paint();
    ASSERT_TRUE(Chart->GetWalls()->DrawRightWallAfter());
    const std::vector<int> Rows = InnerTickPositions(Right);
    ASSERT_EQ(Rows.size(), 3U);
    for (const int P : Rows) {
        // Drawn before the series, which covers it, and not again.
        const TRect BackLine{R.Left + D + 2, P - D, R.Right - 2, P - D + 1};
        EXPECT_EQ(Count(BackLine, Grey), 0) << P;
        EXPECT_EQ(Count(BackLine, clBlue), BackLine.Width()) << P;
        // The side line lies on the wall, drawn after it.
        EXPECT_GE(GreyDiagonal(R.Right, P, 2, D - 2), D / 4) << P;
    }
}

TEST_F(AxisDraw3DTest, BackWallInFrontGetsTheHorizontalAxesGridsAgainWithoutTheirSideLines) {
    TView3DOptions* View = Chart->GetView3DOptions();
    View->SetOrthogonal(false);
    // Seen from behind: the back wall faces the viewer.
    View->SetRotation(200);
    Series->Fill = clBlue;
    Paint();
    ASSERT_TRUE(Chart->DrawBackWallAfter(D));
    const std::vector<int> Columns = InnerTickPositions(Bottom);
    ASSERT_EQ(Columns.size(), 2U);
    for (const int P : Columns) {
        EXPECT_GE(GreyNear({P, R.Top + 1, D}, {P, R.Bottom, D}), 10) << P;
        EXPECT_EQ(GreyNear({P, R.Bottom, 0}, {P, R.Bottom, D}), 0) << P;
    }
    // The vertical axis is not drawn again: its back lines stay under the
    // series (looked at short of where the grid lines above cross them).
    const int Crossing = *std::min_element(Columns.begin(), Columns.end());
    for (const int P : InnerTickPositions(Left))
        EXPECT_EQ(GreyNear({R.Left + 1, P, D}, {Crossing - 3, P, D}), 0) << P;
}

// ---------------------------------------------------------------- depth axes

TEST_F(AxisDraw3DTest, DepthAxisTakesRoomForTheSeriesTitlesOnTheRight) {
    Paint();
    const int Without = R.Right;
    TChartDepthAxis* Depth = Chart->GetDepthAxis();
    Depth->SetVisible(true);
    Paint();
    EXPECT_EQ(R.Right, Without - TextWidth("Alpha") - 7);
    EXPECT_EQ(Depth->GetLabelsPos(), R.Right + 7);
    EXPECT_EQ(Depth->GetAxisLinePos(), R.Right);
}

TEST_F(AxisDraw3DTest, DepthAxisLineTicksLabelAndGridSitAtTheSeriesDepth) {
    TChartDepthAxis* Depth = Chart->GetDepthAxis();
    Depth->SetVisible(true);
    Depth->GetAxis()->SetColor(clBlue);
    Paint();
    // One series: one label, in the middle of its depth slot.
    ASSERT_EQ(Depth->GetTickPositions().size(), 1U);
    const int P = Depth->GetTickPositions()[0];
    EXPECT_EQ(P, Round((Series->GetStartZ() + Series->GetEndZ()) * 0.5));
    // The line runs into the depth along the floor's right edge.
    for (int T = 1; T < D; ++T) EXPECT_EQ(Pixel(R.Right + T, R.Bottom - T), clBlue) << T;
    // The tick runs across at depth P, outwards from one pixel beyond the line.
    for (int K = 0; K < 4; ++K) EXPECT_EQ(Pixel(R.Right + 1 + K + P, R.Bottom - P), Grey) << K;
    EXPECT_NE(Pixel(R.Right + 5 + P, R.Bottom - P), Grey);
    // Left-aligned at the labels anchor, its top at the floor, both at depth P.
    const TRect Text = Ink({R.Right + 6 + P, R.Bottom - P - 4, 500, R.Bottom - P + 20});
    ASSERT_LT(Text.Left, Text.Right);
    EXPECT_GE(Text.Left, Depth->GetLabelsPos() + P);
    EXPECT_LE(Text.Left, Depth->GetLabelsPos() + P + 2);
    EXPECT_GE(Text.Top, R.Bottom - P);
    EXPECT_LE(Text.Right - Text.Left, TextWidth("Alpha"));
    // Grid lines across the floor and up the left wall at depth P.
    EXPECT_GE(Count({R.Left + P + 2, R.Bottom - P, R.Right + P - 2, R.Bottom - P + 1}, Grey),
              (R.Right - R.Left) * 2 / 5);
    EXPECT_GE(Count({R.Left + P, R.Top - P + 2, R.Left + P + 1, R.Bottom - P - 2}, Grey),
              (R.Bottom - R.Top) * 2 / 5);
}

TEST_F(AxisDraw3DTest, DepthAxisOnTheLeftPutsTicksAndRightAlignedLabelsOutside) {
    TChartDepthAxis* Top = Chart->GetDepthTopAxis();
    Top->SetVisible(true);
    Paint();
    ASSERT_EQ(Top->GetTickPositions().size(), 1U);
    const int P = Top->GetTickPositions()[0];
    // Along the left wall's top edge.
    EXPECT_EQ(Top->GetAxisLinePos(), R.Left);
    // (The grid line up the left wall starts on it at depth P.)
    for (int T = 1; T < D; ++T) EXPECT_TRUE(T == P || Dark(Pixel(R.Left + T, R.Top - T))) << T;
    for (int K = 0; K < 4; ++K) EXPECT_EQ(Pixel(R.Left - 1 - K + P, R.Top - P), Grey) << K;
    EXPECT_NE(Pixel(R.Left + 2 + P, R.Top - P), Grey);
    // Right-aligned half a "W" and two pixels left of the anchor, which lies
    // outside the line and tick band.
    EXPECT_EQ(Top->GetLabelsPos(), R.Left - 7);
    const int Anchor = Top->GetLabelsPos() - TextWidth("W") / 2 - 2 + P;
    const TRect Text = Ink({0, R.Top - P, Anchor + 3, R.Top - P + 20});
    ASSERT_LT(Text.Left, Text.Right);
    EXPECT_LE(Text.Right, Anchor + 1);
    EXPECT_GE(Text.Right, Anchor - 2);
}

TEST_F(AxisDraw3DTest, DepthAxisZPositionMovesLineTicksAndLabelsTogetherIntoTheChart) {
    for (TChartAxis* Axis : {static_cast<TChartAxis*>(Chart->GetDepthAxis()),
                             static_cast<TChartAxis*>(Chart->GetDepthTopAxis())}) {
        SCOPED_TRACE(Axis == Chart->GetDepthAxis() ? "other side" : "top");
        Chart->GetDepthAxis()->SetVisible(Axis == Chart->GetDepthAxis());
        Chart->GetDepthTopAxis()->SetVisible(Axis != Chart->GetDepthAxis());
        Axis->SetZPosition(40);
        Axis->GetAxis()->SetColor(clBlue);
        Paint();
        const int Shift = Round(0.4 * (R.Bottom - R.Top));
        const bool Right = Axis->GetOtherSide();
        const int Y = Right ? R.Bottom - Shift : R.Top + Shift;
        const int X = Axis->GetAxisLinePos();
        const int P = Axis->GetTickPositions().at(0);
        for (int T = 1; T < D; ++T) EXPECT_EQ(Pixel(X + T, Y - T), clBlue) << T;
        EXPECT_EQ(Pixel(Right ? X + 2 + P : X - 2 + P, Y - P), Grey);
        // Clear of the back wall's right edge and the left wall's left edge.
        const TRect Text = Right ? Ink({R.Right + D + 1, Y - P - 4, 500, Y - P + 20})
                                 : Ink({0, Y - P - 4, X - 1, Y - P + 20});
        ASSERT_LT(Text.Top, Text.Bottom);
        EXPECT_GE(Text.Top, Y - P);
        EXPECT_LE(Text.Top, Y - P + 5);
    }
}

} // namespace
} // namespace vur::test
