// Zoom by dragging a rectangle, its undo by dragging back, and the zoom
// operations program code calls.
#include "ZoomFixture.h"

namespace vur::test {
namespace {

using ZoomDrag = ZoomFixture;

TEST_F(ZoomDrag, FixtureMapsPixelsAsStated) {
    EXPECT_DOUBLE_EQ(Chart->GetBottomAxis()->CalcPosPoint(150), 25);
    EXPECT_DOUBLE_EQ(Chart->GetLeftAxis()->CalcPosPoint(170), 50);
    EXPECT_TRUE(Chart->GetBottomAxis()->GetAutomatic());
}

TEST_F(ZoomDrag, RectangleToTheLowerRightZoomsAndDraggingBackRestores) {
    int Zooms = 0;
    int Undos = 0;
    Chart->OnZoom = [&](TPersistent*) { ++Zooms; };
    Chart->OnUndoZoom = [&](TPersistent*) { ++Undos; };
    Drag(mbLeft, 100, 50, 300, 200);
    // x: (100 - 50) / 4 = 12.5 .. 62.5; y: (320 - 200) / 3 = 40 .. (320 - 50) / 3 = 90.
    EXPECT_RANGE(Chart->GetBottomAxis(), 12.5, 62.5);
    EXPECT_RANGE(Chart->GetLeftAxis(), 40, 90);
    EXPECT_FALSE(Chart->GetBottomAxis()->GetAutomatic());
    EXPECT_TRUE(Chart->GetZoomed());
    EXPECT_EQ(Zooms, 1);

    // A second zoom keeps the ranges saved by the first.
    Drag(mbLeft, 50, 20, 250, 170);
    EXPECT_RANGE(Chart->GetBottomAxis(), 12.5, 37.5);

    Drag(mbLeft, 300, 200, 100, 50);
    EXPECT_EQ(Undos, 1);
    EXPECT_FALSE(Chart->GetZoomed());
    EXPECT_TRUE(Chart->GetBottomAxis()->GetAutomatic());
    EXPECT_TRUE(Chart->GetLeftAxis()->GetAutomaticMinimum());
    EXPECT_RANGE(Chart->GetBottomAxis(), 0, 100);
    EXPECT_RANGE(Chart->GetLeftAxis(), 0, 100);
}

TEST_F(ZoomDrag, DragNoLongerThanMinimumPixelsDoesNothing) {
    int Events = 0;
    Chart->OnZoom = [&](TPersistent*) { ++Events; };
    Chart->OnUndoZoom = [&](TPersistent*) { ++Events; };
    Drag(mbLeft, 100, 50, 110, 200);
    Drag(mbLeft, 100, 50, 300, 66);
    EXPECT_EQ(Events, 0);
    EXPECT_TRUE(Chart->GetBottomAxis()->GetAutomatic());
    EXPECT_FALSE(Chart->GetZoom()->Active);
    // One pixel more than the minimum is enough.
    Drag(mbLeft, 100, 50, 117, 67);
    EXPECT_EQ(Events, 1);
}

TEST_F(ZoomDrag, OnlyTheHorizontalSenseDecidesWithBothDirections) {
    // Right and up still zooms.
    Drag(mbLeft, 100, 200, 300, 50);
    EXPECT_RANGE(Chart->GetBottomAxis(), 12.5, 62.5);
    EXPECT_RANGE(Chart->GetLeftAxis(), 40, 90);
    // Left and down restores.
    Drag(mbLeft, 300, 50, 100, 200);
    EXPECT_RANGE(Chart->GetBottomAxis(), 0, 100);
}

TEST_F(ZoomDrag, HorizontalDirectionSpansThePlotHeight) {
    Chart->GetZoom()->SetDirection(tzdHorizontal);
    // Vertically short, horizontally long enough.
    Drag(mbLeft, 100, 150, 300, 155);
    EXPECT_RANGE(Chart->GetBottomAxis(), 12.5, 62.5);
    // The vertical axes take the values at the plot's bottom and top edges.
    EXPECT_RANGE(Chart->GetLeftAxis(), 0, 100);
    EXPECT_FALSE(Chart->GetLeftAxis()->GetAutomatic());
    // Horizontally short: ignored, however tall.
    Drag(mbLeft, 100, 20, 110, 320);
    EXPECT_RANGE(Chart->GetBottomAxis(), 12.5, 62.5);
    // Leftwards restores, whatever the vertical sense.
    Drag(mbLeft, 300, 50, 100, 300);
    EXPECT_TRUE(Chart->GetLeftAxis()->GetAutomatic());
}

TEST_F(ZoomDrag, VerticalDirectionDecidesByTheVerticalSense) {
    Chart->GetZoom()->SetDirection(tzdVertical);
    Drag(mbLeft, 300, 50, 100, 200);
    EXPECT_RANGE(Chart->GetBottomAxis(), 0, 100);
    EXPECT_RANGE(Chart->GetLeftAxis(), 40, 90);
    Drag(mbLeft, 100, 200, 100, 50);
    EXPECT_TRUE(Chart->GetLeftAxis()->GetAutomatic());
}

TEST_F(ZoomDrag, UpLeftZoomsAndOtherButtonsOrMissingKeysDoNotStart) {
    Chart->GetZoom()->SetUpLeftZooms(true);
    Chart->GetZoom()->SetKeyShift(ssShift);
    Drag(mbLeft, 300, 200, 100, 50);
    EXPECT_TRUE(Chart->GetBottomAxis()->GetAutomatic());
    Chart->MouseDown(mbLeft, ssShift | ssCtrl, 300, 200);
    EXPECT_TRUE(Chart->GetZoom()->Active);
    Chart->MouseMove(0, 100, 50);
    // Another button ends no zoom drag.
    Chart->MouseUp(mbMiddle, 0, 100, 50);
    EXPECT_TRUE(Chart->GetZoom()->Active);
    Chart->MouseUp(mbLeft, 0, 100, 50);
    Layout();
    EXPECT_RANGE(Chart->GetBottomAxis(), 12.5, 62.5);
}

TEST_F(ZoomDrag, NoDragWithoutSeriesOnAxesOrWhenNotAllowed) {
    Series->SetActive(false);
    Chart->MouseDown(mbLeft, 0, 100, 50);
    EXPECT_FALSE(Chart->GetZoom()->Active);
    Series->SetActive(true);
    Chart->GetZoom()->SetAllow(false);
    Chart->MouseDown(mbLeft, 0, 100, 50);
    EXPECT_FALSE(Chart->GetZoom()->Active);
}

TEST_F(ZoomDrag, ZoomPercentAboutTheCentre) {
    int Zooms = 0;
    Chart->OnZoom = [&](TPersistent*) { ++Zooms; };
    Chart->ZoomPercent(100);
    EXPECT_EQ(Zooms, 1);
    EXPECT_TRUE(Chart->GetScalesSaved());
    EXPECT_FALSE(Chart->GetBottomAxis()->GetAutomatic());
    EXPECT_RANGE(Chart->GetBottomAxis(), 0, 100);
    EXPECT_RANGE(Chart->GetLeftAxis(), 0, 100);
    Layout();
    Chart->ZoomPercent(110);
    EXPECT_RANGE(Chart->GetBottomAxis(), 10, 90);
    EXPECT_RANGE(Chart->GetLeftAxis(), 10, 90);
    Layout();
    Chart->ZoomPercent(90);
    EXPECT_RANGE(Chart->GetBottomAxis(), 2, 98);
    Chart->UndoZoom();
    EXPECT_TRUE(Chart->GetBottomAxis()->GetAutomatic());
}

TEST_F(ZoomDrag, ZoomPercentLeavesTheOtherDirectionAtItsVisibleRange) {
    Chart->GetZoom()->SetDirection(tzdHorizontal);
    Chart->ZoomPercent(125);
    EXPECT_RANGE(Chart->GetBottomAxis(), 25, 75);
    EXPECT_RANGE(Chart->GetLeftAxis(), 0, 100);
}

TEST_F(ZoomDrag, ZoomRectUsesThePixelRectangleInEitherOrder) {
    Chart->ZoomRect(TRect{300, 200, 100, 50});
    EXPECT_RANGE(Chart->GetBottomAxis(), 12.5, 62.5);
    EXPECT_RANGE(Chart->GetLeftAxis(), 40, 90);
}

TEST_F(ZoomDrag, UndoWithoutSavedScalesOnlyReports) {
    Chart->GetBottomAxis()->SetMinMax(5, 6);
    int Undos = 0;
    Chart->OnUndoZoom = [&](TPersistent*) { ++Undos; };
    Chart->UndoZoom();
    EXPECT_EQ(Undos, 1);
    EXPECT_RANGE(Chart->GetBottomAxis(), 5, 6);
}

TEST_F(ZoomDrag, SavedScalesRecordEveryAxisOfTheList) {
    Chart->GetLeftAxis()->SetMinMax(-5, 7);
    const std::vector<TAxisSavedScales> Saved = Chart->SaveScales();
    ASSERT_EQ(static_cast<int>(Saved.size()), Chart->GetAxes()->Count());
    const auto& Left = Saved[static_cast<std::size_t>(Chart->GetAxes()->IndexOf(Chart->GetLeftAxis()))];
    EXPECT_FALSE(Left.Automatic);
    // Copies: the stored record is packed, so its doubles may not be aligned for a reference.
    EXPECT_EQ(double{Left.Minimum}, -5);
    EXPECT_EQ(double{Left.Maximum}, 7);
    // Restoring a range that lies wholly above the current one raises nothing.
    Chart->GetLeftAxis()->SetMinMax(-100, -50);
    Chart->RestoreScales(Saved);
    EXPECT_RANGE(Chart->GetLeftAxis(), -5, 7);
}

TEST_F(ZoomDrag, ZoomAssignCopiesSettingsAndOwnsItsStyleObjects) {
    TVurZoom Source;
    Source.SetAnimated(true);
    Source.SetAnimatedSteps(3);
    Source.SetDirection(tzdVertical);
    Source.SetMouseButton(mbMiddle);
    Source.SetKeyShift(ssCtrl);
    Source.SetMinimumPixels(4);
    Source.GetPen()->SetColor(clRed);
    Chart->SetZoom(&Source);
    TVurZoom* Zoom = Chart->GetZoom();
    EXPECT_TRUE(Zoom->GetAnimated());
    EXPECT_EQ(Zoom->GetAnimatedSteps(), 3);
    EXPECT_EQ(Zoom->GetDirection(), tzdVertical);
    EXPECT_EQ(Zoom->GetMouseButton(), mbMiddle);
    EXPECT_EQ(Zoom->GetKeyShift(), ssCtrl);
    EXPECT_EQ(Zoom->GetMinimumPixels(), 4);
    ASSERT_NE(Zoom->FindPen(), nullptr);
    EXPECT_NE(Zoom->FindPen(), Source.FindPen());
    EXPECT_EQ(Zoom->FindPen()->GetColor(), clRed);
    EXPECT_EQ(Zoom->FindBrush(), nullptr);
    Zoom->SetPen(nullptr);
    EXPECT_EQ(Zoom->FindPen(), nullptr);
    // Read once, the style objects exist with their defaults.
    EXPECT_EQ(Zoom->GetPen()->GetColor(), clWhite);
    EXPECT_FALSE(Zoom->GetPen()->IsColorStored());
    EXPECT_EQ(Zoom->GetBrush()->GetColor(), clWhite);
    EXPECT_EQ(Zoom->GetBrush()->GetStyle(), bsClear);
}

TEST_F(ZoomDrag, OlderPropertyNamesFileIntoZoom) {
    Chart->ReadAllowZoom(false);
    Chart->ReadAnimatedZoom(true);
    Chart->ReadAnimatedZoomSteps(5);
    EXPECT_FALSE(Chart->GetZoom()->GetAllow());
    EXPECT_TRUE(Chart->GetZoom()->GetAnimated());
    EXPECT_EQ(Chart->GetZoom()->GetAnimatedSteps(), 5);
}

TEST_F(ZoomDrag, PanningStateOrdersItsCorners) {
    TZoomPanning P;
    P.Activate(30, 40);
    EXPECT_TRUE(P.Active);
    P.X1 = 10;
    P.Y1 = 50;
    P.Check();
    EXPECT_EQ(P.X0, 10);
    EXPECT_EQ(P.X1, 30);
    EXPECT_EQ(P.Y0, 40);
    EXPECT_EQ(P.Y1, 50);
}

} // namespace
} // namespace vur::test
