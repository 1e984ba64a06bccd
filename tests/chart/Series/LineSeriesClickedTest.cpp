// The click test, the margins the line asks of its axes and its depth slot.
// Points at (0, 20), (1, 80), (2, 50) sit on pixels (10, 90), (30, 30), (50, 60).
#include "LineSeriesFixture.h"

#include "chart/RoVedure/Geometry.h"

#include <array>
#include <limits>

namespace vur::test {
namespace {

class LineSeriesClicked : public LineSeriesFixture {
protected:
    void SetUp() override {
        LineSeriesFixture::SetUp();
        AddPoints({20, 80, 50});
        SetAxes(0, 9);
        Series->CalcFirstLastVisibleIndex();
    }
};

TEST_F(LineSeriesClicked, APixelWithinOnePixelOfASegmentAnswersItsFirstPoint) {
    // Segment 0 runs (10, 90) - (30, 30): (21, 60) is 0.95 pixels off it, (22, 60) 1.9.
    EXPECT_EQ(Series->Clicked(20, 60), 0);
    EXPECT_EQ(Series->Clicked(21, 60), 0);
    EXPECT_EQ(Series->Clicked(22, 60), -1);
    // Segment 1 runs (30, 30) - (50, 60).
    EXPECT_EQ(Series->Clicked(40, 45), 1);
    // Beyond the last point.
    EXPECT_EQ(Series->Clicked(52, 63), -1);
}

TEST_F(LineSeriesClicked, APixelExactlyOnAPointAnswersThatPoint) {
    EXPECT_EQ(Series->Clicked(30, 30), 1);
    EXPECT_EQ(Series->Clicked(50, 60), 2);
    EXPECT_EQ(Series->Clicked(10, 90), 0);
}

TEST_F(LineSeriesClicked, WithoutClickableLineOnlyPointsCount) {
    Series->SetClickableLine(false);
    EXPECT_EQ(Series->Clicked(20, 60), -1);
    EXPECT_EQ(Series->Clicked(30, 30), 1);
}

TEST_F(LineSeriesClicked, StairLegsAreHitInsteadOfTheSlantedSegment) {
    Series->SetStairs(true);
    // Normal: across at row 90 to x 30, then up at x 30.
    EXPECT_EQ(Series->Clicked(20, 91), 0);
    EXPECT_EQ(Series->Clicked(31, 60), 0);
    EXPECT_EQ(Series->Clicked(20, 60), -1);
    Series->SetInvertedStairs(true);
    // Inverted: up at x 10, then across at row 30.
    EXPECT_EQ(Series->Clicked(9, 60), 0);
    EXPECT_EQ(Series->Clicked(20, 29), 0);
    EXPECT_EQ(Series->Clicked(20, 91), -1);
}

TEST_F(LineSeriesClicked, NullsAndTheSegmentsTouchingThemAreNotThere) {
    Series->SetNull(1);
    EXPECT_EQ(Series->Clicked(30, 30), -1);
    EXPECT_EQ(Series->Clicked(20, 60), -1);
    EXPECT_EQ(Series->Clicked(40, 45), -1);
    EXPECT_EQ(Series->Clicked(50, 60), 2);
}

TEST_F(LineSeriesClicked, AVisibleMarkerIsHitInsideItsHalfSizes) {
    Series->GetPointer()->Show();
    int Told = -1;
    Series->OnClickPointer = [&](TCustomSeries*, int ValueIndex, int, int) { Told = ValueIndex; };
    // Half sizes 4: three pixels off still hits, four does not (then the segment does).
    EXPECT_EQ(Series->Clicked(53, 63), 2);
    EXPECT_EQ(Told, 2);
    EXPECT_EQ(Series->Clicked(54, 60), -1);
    Series->GetPointer()->SetStyle(psNothing);
    EXPECT_EQ(Series->Clicked(53, 63), -1);
}

TEST_F(LineSeriesClicked, TheSegmentFromThePointBeforeThePlotCounts) {
    SetAxes(0.5, 9.5);
    Series->CalcFirstLastVisibleIndex();
    ASSERT_EQ(Series->GetFirstVisibleIndex(), 1);
    // Point 0 now at (0, 90), point 1 at (20, 30).
    EXPECT_EQ(Series->Clicked(10, 60), 0);
}

TEST_F(LineSeriesClicked, NoVisiblePointsNoHit) {
    Series->Clear();
    Series->CalcFirstLastVisibleIndex();
    EXPECT_EQ(Series->Clicked(30, 30), -1);
}

using LineSeriesMargins = LineSeriesFixture;

TEST_F(LineSeriesMargins, APlainLineAsksForNoRoom) {
    int L = -1, R = -1, T = -1, B = -1;
    Series->CalcHorizMargins(L, R);
    Series->CalcVerticalMargins(T, B);
    EXPECT_EQ((std::array{L, R, T, B}), (std::array{0, 0, 0, 0}));
}

TEST_F(LineSeriesMargins, MarkersStairsOutlineMarksAndRibbonsTakeRoom) {
    int L = 0, R = 0, T = 0, B = 0;
    Series->GetPointer()->Show();
    Series->GetPointer()->SetHorizSize(6);
    Series->CalcHorizMargins(L, R);
    Series->CalcVerticalMargins(T, B);
    EXPECT_EQ((std::array{L, R, T, B}), (std::array{7, 7, 5, 5}));

    Series->GetPointer()->Hide();
    Series->SetStairs(true);
    Series->GetLinePen()->SetWidth(3);
    Series->GetOutLine()->Show();
    Series->GetOutLine()->SetWidth(2);
    Series->CalcHorizMargins(L, R);
    EXPECT_EQ((std::array{L, R}), (std::array{3, 3}));
    Series->SetStairs(false);
    Series->CalcHorizMargins(L, R);
    EXPECT_EQ((std::array{L, R}), (std::array{2, 2}));

    Series->GetOutLine()->Hide();
    Series->GetMarks()->SetVisible(true);
    Series->GetMarks()->GetCallout()->SetLength(8);
    Series->GetMarks()->GetCallout()->SetDistance(3);
    Series->SetLineHeight(4);
    Series->CalcVerticalMargins(T, B);
    EXPECT_EQ((std::array{T, B}), (std::array{11, 0}));
    Chart->SetView3D(true);
    Series->CalcVerticalMargins(T, B);
    EXPECT_EQ((std::array{T, B}), (std::array{11, 4}));
}

TEST_F(LineSeriesMargins, PenWidthsAskForNoMoreThanTheBoundOfASetting) {
    struct Case {
        bool Stairs;
        int LineWidth;
        bool Outline;
        int OutlineWidth;
        int Room;
    };
    constexpr int Max = std::numeric_limits<int>::max();
    const Case Cases[] = {
        {true, Max, false, 1, MaxSetting},
        {true, MaxSetting + 1, false, 1, MaxSetting},
        {false, Max, true, Max, MaxSetting},
        {true, 3, true, Max, MaxSetting},
        {true, std::numeric_limits<int>::min(), false, 1, 0},
        {false, Max, false, Max, 0},
    };
    for (const Case& C : Cases) {
        Series->SetStairs(C.Stairs);
        Series->GetLinePen()->SetWidth(C.LineWidth);
        Series->GetOutLine()->SetVisible(C.Outline);
        Series->GetOutLine()->SetWidth(C.OutlineWidth);
        int L = -1, R = -1, T = -1, B = -1;
        Series->CalcHorizMargins(L, R);
        Series->CalcVerticalMargins(T, B);
        EXPECT_EQ((std::array{L, R, T, B}), (std::array{C.Room, C.Room, C.Room, C.Room}))
            << C.LineWidth << " " << C.OutlineWidth;
    }
}

TEST(LineSeriesDepth, StackedSeriesShareTheCurrentSlotOthersTakeTheNextIn3D) {
    TComponent Form{nullptr};
    auto* Chart = new TChart(&Form);
    auto* First = new TLineSeries(&Form);
    auto* Second = new TLineSeries(&Form);
    First->SetParentChart(Chart);
    Second->SetParentChart(Chart);
    Chart->SetMaxZOrder(0);
    First->CalcZOrder();
    Second->SetStacked(cssStack);
    Second->CalcZOrder();
    EXPECT_EQ(First->GetCalcZOrder(), 1);
    EXPECT_EQ(Second->GetCalcZOrder(), 1);
    Chart->SetView3D(false);
    First->CalcZOrder();
    EXPECT_EQ(First->GetCalcZOrder(), 0);
}

} // namespace
} // namespace vur::test
