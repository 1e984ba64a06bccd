// Scrolling by dragging with the scroll button, by the wheel, and how the
// ranges saved before the first zoom or scroll come back.
#include "ZoomFixture.h"
#include "chart/RoVedure/DrawSettings.h"

namespace vur::test {
namespace {

using ZoomScroll = ZoomFixture;

TEST_F(ZoomScroll, TenPixelsRightShiftTheHorizontalAxisByAQuarterOfItsTenPercent) {
    int Scrolls = 0;
    Chart->OnScroll = [&](TPersistent*) { ++Scrolls; };
    Chart->MouseDown(mbRight, 0, 200, 100);
    EXPECT_TRUE(Chart->GetPanning().Active);
    Chart->MouseMove(0, 210, 100);
    // 0..100 on 400 pixels: 10 pixels are 2.5, and the content follows the mouse.
    EXPECT_RANGE(Chart->GetBottomAxis(), -2.5, 97.5);
    EXPECT_RANGE(Chart->GetLeftAxis(), 0, 100);
    EXPECT_EQ(Scrolls, 1);
    Layout();
    Chart->MouseMove(0, 210, 100);
    EXPECT_EQ(Scrolls, 1);
    // Back and down: each step measures from the previous position.
    Chart->MouseMove(0, 200, 106);
    EXPECT_EQ(Scrolls, 2);
    EXPECT_RANGE(Chart->GetBottomAxis(), 0, 100);
    EXPECT_RANGE(Chart->GetLeftAxis(), 2, 102);
    Chart->MouseUp(mbLeft, 0, 200, 106);
    EXPECT_FALSE(Chart->GetPanning().Active);
}

TEST_F(ZoomScroll, PanningModeChoosesTheDirections) {
    int Scrolls = 0;
    Chart->OnScroll = [&](TPersistent*) { ++Scrolls; };
    Chart->SetAllowPanning(pmVertical);
    Chart->MouseDown(mbRight, 0, 200, 100);
    Chart->MouseMove(0, 220, 100);
    EXPECT_EQ(Scrolls, 0);
    EXPECT_TRUE(Chart->GetBottomAxis()->GetAutomatic());
    Chart->MouseMove(0, 220, 130);
    EXPECT_EQ(Scrolls, 1);
    EXPECT_RANGE(Chart->GetLeftAxis(), 10, 110);
    Chart->MouseUp(mbRight, 0, 220, 130);
    Chart->SetAllowPanning(pmNone);
    Chart->MouseDown(mbRight, 0, 200, 100);
    EXPECT_FALSE(Chart->GetPanning().Active);
}

TEST_F(ZoomScroll, AllowScrollMayChangeOrVetoEachAxis) {
    Chart->OnAllowScroll = [&](TChartAxis* Axis, double& AMin, double& AMax, bool& Allow) {
        if (Axis == Chart->GetLeftAxis()) Allow = false;
        if (Axis == Chart->GetBottomAxis()) {
            AMin = 1;
            AMax = 2;
        }
    };
    Chart->MouseDown(mbRight, 0, 200, 100);
    Chart->MouseMove(0, 240, 130);
    EXPECT_RANGE(Chart->GetBottomAxis(), 1, 2);
    EXPECT_TRUE(Chart->GetLeftAxis()->GetAutomatic());
}

TEST_F(ZoomScroll, LeavingThePlotEndsTheScrollDragForGood) {
    int Scrolls = 0;
    Chart->OnScroll = [&](TPersistent*) { ++Scrolls; };
    Chart->MouseDown(mbRight, 0, 200, 100);
    // The plot's edges count as inside.
    Chart->MouseMove(0, 450, 100);
    EXPECT_EQ(Scrolls, 1);
    Layout();
    Chart->MouseMove(0, 451, 100);
    EXPECT_FALSE(Chart->GetPanning().Active);
    const double Min = Chart->GetBottomAxis()->GetMinimum();
    Chart->MouseMove(0, 300, 100);
    Chart->MouseMove(0, 250, 150);
    EXPECT_EQ(Scrolls, 1);
    EXPECT_EQ(Chart->GetBottomAxis()->GetMinimum(), Min);
}

TEST_F(ZoomScroll, MouseLeavingThePanelEndsTheScrollButNotTheZoom) {
    Chart->SetScrollMouseButton(mbLeft);
    Chart->SetCursor(crCross);
    Chart->MouseDown(mbLeft, 0, 100, 50);
    EXPECT_TRUE(Chart->GetZoom()->Active);
    EXPECT_TRUE(Chart->GetPanning().Active);
    // The drag start brings the initial cursor back.
    EXPECT_EQ(Chart->GetCursor(), crDefault);
    Chart->SetCursor(crCross);
    Chart->MouseLeave();
    EXPECT_EQ(Chart->GetCursor(), crDefault);
    EXPECT_FALSE(Chart->GetPanning().Active);
    EXPECT_TRUE(Chart->GetZoom()->Active);
    Chart->MouseMove(0, 300, 200);
    Chart->MouseUp(mbLeft, 0, 300, 200);
    EXPECT_RANGE(Chart->GetBottomAxis(), 12.5, 62.5);
}

TEST_F(ZoomScroll, ZoomAfterScrollKeepsTheFirstSavedScales) {
    Chart->MouseDown(mbRight, 0, 200, 100);
    Chart->MouseMove(0, 240, 100);
    Chart->MouseUp(mbRight, 0, 240, 100);
    Layout();
    EXPECT_RANGE(Chart->GetBottomAxis(), -10, 90);
    EXPECT_TRUE(Chart->GetScalesSaved());
    EXPECT_FALSE(Chart->GetZoomed());
    Drag(mbLeft, 50, 20, 250, 170);
    EXPECT_RANGE(Chart->GetBottomAxis(), -10, 40);
    // One undo returns to before the scroll.
    Drag(mbLeft, 250, 170, 50, 20);
    EXPECT_TRUE(Chart->GetBottomAxis()->GetAutomatic());
    EXPECT_RANGE(Chart->GetBottomAxis(), 0, 100);
    EXPECT_FALSE(Chart->GetScalesSaved());
}

TEST_F(ZoomScroll, WheelStepScrollsTheVerticalAxesByThreePercent) {
    int Scrolls = 0;
    Chart->OnScroll = [&](TPersistent*) { ++Scrolls; };
    Chart->GetLeftAxis()->SetMinMax(0, 50);
    Chart->DoMouseWheel(0, -120, TPoint{200, 100});
    EXPECT_RANGE(Chart->GetLeftAxis(), 1.5, 51.5);
    EXPECT_RANGE(Chart->GetBottomAxis(), 0, 100);
    Chart->DoMouseWheel(0, 120, TPoint{200, 100});
    EXPECT_NEAR(Chart->GetLeftAxis()->GetMinimum(), 0, 1e-9);
    EXPECT_EQ(Scrolls, 0);
    EXPECT_FALSE(Chart->GetScalesSaved());
    VurDrawSettings().VurUseMouseWheel = false;
    Chart->DoMouseWheel(0, -120, TPoint{200, 100});
    VurDrawSettings().VurUseMouseWheel = true;
    EXPECT_NEAR(Chart->GetLeftAxis()->GetMinimum(), 0, 1e-9);
}

TEST_F(ZoomScroll, FurtherMouseDownsAreIgnoredDuringADrag) {
    int Backgrounds = 0;
    // Clearing the flag lets the drag start.
    Chart->OnClickBackground = [&](TPersistent*, TMouseButton, TShiftState, int, int) {
        ++Backgrounds;
        Chart->SetCancelMouse(false);
    };
    Chart->MouseDown(mbRight, 0, 200, 100);
    EXPECT_EQ(Backgrounds, 1);
    EXPECT_TRUE(Chart->GetPanning().Active);
    Chart->MouseDown(mbLeft, 0, 200, 100);
    EXPECT_EQ(Backgrounds, 1);
    EXPECT_FALSE(Chart->GetZoom()->Active);
}

TEST_F(ZoomScroll, ClickHandlerThatKeepsTheFlagStopsTheDrag) {
    Chart->OnClickBackground = [&](TPersistent*, TMouseButton, TShiftState, int, int) {};
    Chart->MouseDown(mbLeft, 0, 200, 100);
    EXPECT_FALSE(Chart->GetZoom()->Active);
    EXPECT_FALSE(Chart->GetCancelMouse());
    Chart->OnClickBackground = [&](TPersistent*, TMouseButton, TShiftState, int, int) {
        Chart->SetCancelMouse(false);
    };
    Chart->MouseDown(mbLeft, 0, 200, 100);
    EXPECT_TRUE(Chart->GetZoom()->Active);
}

TEST_F(ZoomScroll, ClickedPartsInTheirOrder) {
    EXPECT_EQ(Chart->CalcClickedPart(200, 100).Part, cpChartRect);
    EXPECT_EQ(Chart->CalcClickedPart(450, 320).Part, cpChartRect);
    EXPECT_EQ(Chart->CalcClickedPart(451, 100).Part, cpNone);
    // A series takes part only when someone listens for its clicks.
    Chart->OnClickSeries = [](TPersistent*, TChartSeries*, int, TMouseButton, TShiftState, int, int) {};
    const TChartClickedPart OnLine = Chart->CalcClickedPart(50 + 4 * 50, 320 - 3 * 50);
    EXPECT_EQ(OnLine.Part, cpSeries);
    EXPECT_EQ(OnLine.ASeries, Series);
    Series->SetActive(false);
    EXPECT_EQ(Chart->CalcClickedPart(200, 100).Part, cpNone);
}

} // namespace
} // namespace vur::test
