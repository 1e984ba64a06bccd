// The bands an axis takes beside the chart rectangle and the anchors it
// leaves: labels, title, line, position shifts, the clickable band.
#include "chart/RoVedure/DrawSettings.h"
#include "tests/chart/DaZezava/AxisDrawTestSupport.h"

#include <algorithm>

namespace vur {
namespace {

using test::AxisDrawFixture;

struct AxisLayoutTest : AxisDrawFixture {
    const TRect Plot{100, 40, 400, 340};

    void SetUp() override {
        AxisDrawFixture::SetUp();
        Left->SetMinMax(0, 1000);
        Bottom->SetMinMax(0, 9);
        Layout(Plot);
    }
    TRect Laid(TChartAxis* Axis, bool Inflate = true) {
        TRect R = Plot;
        Axis->CalcRect(R, Inflate);
        return R;
    }
};

TEST_F(AxisLayoutTest, LineBandIsPenWidthPlusOnePlusTickLength) {
    EXPECT_EQ(Left->SizeTickAxis(), 2 + 1 + 4);
    Left->GetTicks()->SetVisible(false);
    EXPECT_EQ(Left->SizeTickAxis(), 3);
    Left->GetAxis()->SetVisible(false);
    Left->SetMinorTickLength(5);
    EXPECT_EQ(Left->SizeTickAxis(), 5);
    Left->GetMinorTicks()->SetVisible(false);
    EXPECT_EQ(Left->SizeTickAxis(), 0);
}

TEST_F(AxisLayoutTest, LeftBandIsTheWidestExtremeLabelAndOneBlankThenTheLineBand) {
    const int Widest =
        std::max(TextWidth(Left, Left->LabelValue(0)), TextWidth(Left, Left->LabelValue(1000)));
    const int Blank = TextWidth(Left, " ");
    const TRect R = Laid(Left);
    EXPECT_EQ(R.Left, Plot.Left + Widest + Blank + 7);
    EXPECT_EQ(Left->GetLabelsPos(), Plot.Left + Widest + Blank);
    EXPECT_EQ(R.Top, Plot.Top);
    EXPECT_EQ(R.Right, Plot.Right);
    EXPECT_EQ(R.Bottom, Plot.Bottom);
}

TEST_F(AxisLayoutTest, BottomBandIsOneFontHeightThenTheLineBand) {
    const TRect R = Laid(Bottom);
    EXPECT_EQ(R.Bottom, Plot.Bottom - FontHeight(Bottom) - 7);
    EXPECT_EQ(Bottom->GetLabelsPos(), Plot.Bottom - FontHeight(Bottom));
    EXPECT_EQ(R.Left, Plot.Left);
}

TEST_F(AxisLayoutTest, FixedLabelsSizeAndAlternateRows) {
    Left->SetLabelsSize(50);
    EXPECT_EQ(Laid(Left).Left, Plot.Left + 50 + 7);
    Bottom->SetLabelsAlternate(true);
    EXPECT_EQ(Laid(Bottom).Bottom, Plot.Bottom - 2 * FontHeight(Bottom) - 7);
}

TEST_F(AxisLayoutTest, HiddenLabelsTakeNoRoom) {
    Left->SetLabels(false);
    EXPECT_EQ(Laid(Left).Left, Plot.Left + 7);
}

TEST_F(AxisLayoutTest, TitleTakesItsFontHeightOnlyWithACaption) {
    const int Bare = Laid(Left).Left;
    EXPECT_TRUE(Left->GetTitle()->GetVisible());
    EXPECT_EQ(Laid(Left).Left, Bare) << "an empty caption takes no room";
    Left->GetTitle()->SetCaption("Axis Title");
    Chart->GetCanvas()->AssignFont(Left->GetTitle()->GetFont());
    const int TitleHeight = Chart->GetCanvas()->GetFontHeight();
    EXPECT_EQ(Laid(Left).Left, Bare + TitleHeight);
    EXPECT_EQ(Left->GetTitlePos(), Plot.Left + TitleHeight);
    Left->GetTitle()->SetVisible(false);
    EXPECT_EQ(Laid(Left).Left, Bare);
}

TEST_F(AxisLayoutTest, PositionPercentMovesTheLineIntoTheChart) {
    Chart->SetChartRect(Plot);
    Left->SetPositionPercent(50);
    Left->Draw(true);
    EXPECT_EQ(Left->GetAxisLinePos(), Plot.Left + 150);
    Left->SetPositionUnits(muPixels);
    Left->SetPositionPercent(10);
    Left->Draw(true);
    EXPECT_EQ(Left->GetAxisLinePos(), Plot.Left + 10);
    Bottom->SetPositionUnits(muPixels);
    Bottom->SetPositionPercent(10);
    Bottom->Draw(true);
    EXPECT_EQ(Bottom->GetAxisLinePos(), Plot.Bottom - 10);
}

TEST_F(AxisLayoutTest, AxisWithoutRoomOnlyPlacesItsAnchorsOutwards) {
    const TRect R = Laid(Left, false);
    EXPECT_EQ(R.Left, Plot.Left);
    EXPECT_EQ(Left->GetAxisLinePos(), Plot.Left);
    EXPECT_EQ(Left->GetLabelsPos(), Plot.Left - 7);
    EXPECT_EQ(Left->GetTitlePos(), Plot.Left - 7 - Left->SizeLabels());
    Laid(Bottom, false);
    EXPECT_EQ(Bottom->GetLabelsPos(), Plot.Bottom + 7);
}

TEST_F(AxisLayoutTest, InflateAxisPosMovesAwayFromTheChartOnEverySide) {
    EXPECT_EQ(Left->InflateAxisPos(100, 5), 95);
    EXPECT_EQ(Bottom->InflateAxisPos(100, 5), 105);
    EXPECT_EQ(Chart->GetTopAxis()->InflateAxisPos(100, 5), 95);
    EXPECT_EQ(Chart->GetRightAxis()->InflateAxisPos(100, 5), 105);
}

TEST_F(AxisLayoutTest, ClickedSpansLabelsToTheLineAndAGapInside) {
    TRect R = Laid(Left);
    Chart->SetChartRect(R);
    Left->SetVisibleInPaint(true);
    Left->Draw(true);
    const int Line = Left->GetAxisLinePos();
    const int Middle = (Left->GetPixelStart() + Left->GetPixelEnd()) / 2;
    EXPECT_TRUE(Left->Clicked(Line + VurDrawSettings().VurAxisClickGap - 1, Middle));
    EXPECT_FALSE(Left->Clicked(Line + VurDrawSettings().VurAxisClickGap + 1, Middle));
    EXPECT_TRUE(Left->Clicked(Left->GetLabelsPos(), Middle));
    EXPECT_FALSE(Left->Clicked(Left->GetLabelsPos() - 2, Middle));
    EXPECT_FALSE(Left->Clicked(Line, Left->GetPixelEnd() + 2));
    Left->SetVisibleInPaint(false);
    EXPECT_FALSE(Left->Clicked(Line, Middle));
}

TEST_F(AxisLayoutTest, CustomDrawRestoresRangeAndGridButKeepsItsAnchors) {
    Chart->SetChartRect(Plot);
    Left->CustomDrawMinMax(60, 40, 80, false, 10, 20, 5);
    EXPECT_EQ(Left->GetMinimum(), 0);
    EXPECT_EQ(Left->GetMaximum(), 1000);
    EXPECT_EQ(Left->GetIncrement(), 0);
    EXPECT_FALSE(Left->GetAutomatic());
    EXPECT_TRUE(Left->GetGrid()->GetVisible());
    EXPECT_EQ(Left->GetRangeMaximum(), 1000);
    EXPECT_EQ(Left->GetLabelsPos(), 60);
    EXPECT_EQ(Left->GetTitlePos(), 40);
    EXPECT_EQ(Left->GetAxisLinePos(), 80);
    // Labels 10, 15, 20 were drawn: ticks at their positions.
    EXPECT_EQ(Left->GetTickPositions().size(), 3U);
}

} // namespace
} // namespace vur
