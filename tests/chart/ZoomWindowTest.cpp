// Zoom and scroll through the window system: mouse messages on the headless
// backend, the zoom rectangle in the window's picture, repaints during a
// drag, and the animated zoom's intermediate paints.
#include "chart/Series/LineSeries.h"
#include "tests/chart/HeadlessChart.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace vur::test {
namespace {

class ZoomWindow : public ::testing::Test, protected THeadlessChart<> {
protected:
    ZoomWindow() {
        Series->SetParentChart(Chart);
        for (int X = 0; X <= 100; X += 10) Series->AddXY(X, 50);
        Chart->OnAfterDraw = [this](TPersistent*) { ++Paints; };
        Show();
    }

    std::vector<std::uint32_t> Picture() { return Window().Picture; }
    std::uint32_t Pixel(const std::vector<std::uint32_t>& P, int X, int Y) {
        return P[static_cast<std::size_t>(Y * Window().PictureWidth + X)];
    }

    TLineSeries* Series = new TLineSeries(Form);
    int Paints = 0;
};

TEST_F(ZoomWindow, RectangleFollowsTheDragAndSurvivesARepaint) {
    const TRect R = Chart->GetChartRect();
    ASSERT_TRUE(R.Left < 100 && R.Top < 50 && R.Right > 300 && R.Bottom > 200);
    const std::vector<std::uint32_t> Clean = Picture();
    Post(ui::WM_LBUTTONDOWN, 100, 50, ui::MK_LBUTTON);
    Post(ui::WM_MOUSEMOVE, 300, 200, ui::MK_LBUTTON);
    std::vector<std::uint32_t> Dragging = Picture();
    // The outline covers columns 100..299 and rows 50..199; inside and
    // outside it the picture is untouched.
    for (const auto& [X, Y] : {std::pair{100, 120}, {299, 120}, {200, 50}, {200, 199}})
        EXPECT_NE(Pixel(Dragging, X, Y), Pixel(Clean, X, Y)) << X << "," << Y;
    for (const auto& [X, Y] : {std::pair{99, 120}, {300, 120}, {200, 49}, {200, 200}, {200, 120}})
        EXPECT_EQ(Pixel(Dragging, X, Y), Pixel(Clean, X, Y)) << X << "," << Y;

    // A repaint in the middle of the drag draws the chart afresh, rectangle included.
    const int Before = Paints;
    WS.InvalidateRect(Chart->GetHandle());
    Pump();
    EXPECT_EQ(Paints, Before + 1);
    EXPECT_EQ(Picture(), Dragging);

    // Moving on removes the old outline and draws the new one.
    Post(ui::WM_MOUSEMOVE, 250, 150, ui::MK_LBUTTON);
    Dragging = Picture();
    EXPECT_EQ(Pixel(Dragging, 299, 120), Pixel(Clean, 299, 120));
    EXPECT_NE(Pixel(Dragging, 249, 120), Pixel(Clean, 249, 120));

    // Letting go zooms and the repaint shows no rectangle.
    Post(ui::WM_LBUTTONUP, 250, 150);
    EXPECT_FALSE(Chart->GetZoom()->Active);
    EXPECT_TRUE(Chart->GetZoomed());
    EXPECT_EQ(WS.GetCapture(), ui::NoWindow);
}

TEST_F(ZoomWindow, DrawingTheRectangleTwiceRemovesIt) {
    Chart->GetZoom()->GetBrush()->SetStyle(bsSolid);
    Post(ui::WM_LBUTTONDOWN, 100, 50, ui::MK_LBUTTON);
    const gdi::Bitmap& Image = Chart->GetWindowImage().GetImage();
    std::vector<std::uint32_t> Clean;
    for (int Y = 0; Y < Image.Height(); ++Y)
        for (int X = 0; X < Image.Width(); ++X) Clean.push_back(Image.GetPixel(X, Y));
    const auto At = [&](int X, int Y) { return Clean[static_cast<std::size_t>(Y * Image.Width() + X)]; };
    TZoomPanning& Z = *Chart->GetZoom();
    Z.X1 = 300;
    Z.Y1 = 200;
    Chart->DrawZoomRectangle();
    // The solid white fill inverts the inside as well.
    EXPECT_NE(Image.GetPixel(200, 120), At(200, 120));
    EXPECT_NE(Image.GetPixel(100, 50), At(100, 50));
    Chart->DrawZoomRectangle();
    int Differences = 0;
    for (int Y = 0; Y < Image.Height(); ++Y)
        for (int X = 0; X < Image.Width(); ++X) Differences += Image.GetPixel(X, Y) != At(X, Y);
    EXPECT_EQ(Differences, 0);
}

TEST_F(ZoomWindow, AGradientBrushFillsTheRectangleAndMovingItLeavesNoTrace) {
    TVurGradient* G = Chart->GetZoom()->GetBrush()->GetGradient();
    G->SetStartColor(0x00FF00);
    G->SetEndColor(0x00FF00);
    G->SetVisible(true);
    const std::vector<std::uint32_t> Clean = Picture();
    Post(ui::WM_LBUTTONDOWN, 100, 50, ui::MK_LBUTTON);
    Post(ui::WM_MOUSEMOVE, 300, 200, ui::MK_LBUTTON);
    std::vector<std::uint32_t> Dragging = Picture();
    // Filled inside (the outline drawn over it), the chart as it was outside.
    EXPECT_EQ(Pixel(Dragging, 200, 120), 0x00FF00u);
    EXPECT_EQ(Pixel(Dragging, 298, 198), 0x00FF00u);
    EXPECT_EQ(Pixel(Dragging, 301, 120), Pixel(Clean, 301, 120));
    // Moving back: where the fill was the chart shows again.
    Post(ui::WM_MOUSEMOVE, 200, 150, ui::MK_LBUTTON);
    Dragging = Picture();
    EXPECT_EQ(Pixel(Dragging, 250, 180), Pixel(Clean, 250, 180));
    EXPECT_EQ(Pixel(Dragging, 150, 100), 0x00FF00u);
    // Letting go leaves no fill behind (the zoomed chart is drawn afresh).
    Post(ui::WM_LBUTTONUP, 200, 150);
    Pump();
    const std::vector<std::uint32_t> After = Picture();
    int Green = 0;
    for (const std::uint32_t P : After) Green += P == 0x00FF00u;
    EXPECT_EQ(Green, 0);
}

TEST_F(ZoomWindow, RightButtonDragScrollsAndLeavingEndsIt) {
    int Scrolls = 0;
    Chart->OnScroll = [&](TPersistent*) { ++Scrolls; };
    const double Min = Chart->GetBottomAxis()->GetMinimum();
    const double PerPixel =
        (Chart->GetBottomAxis()->GetMaximum() - Min) / Chart->GetBottomAxis()->GetPixelSize();
    Post(ui::WM_RBUTTONDOWN, 200, 100, ui::MK_RBUTTON);
    Post(ui::WM_MOUSEMOVE, 210, 100, ui::MK_RBUTTON);
    EXPECT_EQ(Scrolls, 1);
    EXPECT_NEAR(Chart->GetBottomAxis()->GetMinimum(), Min - 10 * PerPixel, 1e-9);
    WS.PointerLeft(Chart->GetHandle());
    Pump();
    EXPECT_FALSE(Chart->GetPanning().Active);
    Post(ui::WM_MOUSEMOVE, 230, 100, ui::MK_RBUTTON);
    EXPECT_EQ(Scrolls, 1);
}

TEST_F(ZoomWindow, WheelScrollsTheVerticalAxes) {
    Chart->GetLeftAxis()->SetMinMax(0, 50);
    WS.PostWheel(Chart->GetHandle(), -120, 200, 100);
    Pump();
    EXPECT_NEAR(Chart->GetLeftAxis()->GetMinimum(), 1.5, 1e-9);
    EXPECT_NEAR(Chart->GetLeftAxis()->GetMaximum(), 51.5, 1e-9);
}

TEST_F(ZoomWindow, AnimatedZoomPaintsSevenStepsEachAThirdOfTheWayLeft) {
    Chart->GetZoom()->SetAnimated(true);
    Chart->GetBottomAxis()->SetMinMax(0, 90);
    Pump();
    std::vector<double> Minima;
    Chart->OnAfterDraw = [&](TPersistent*) { Minima.push_back(Chart->GetBottomAxis()->GetMinimum()); };
    Chart->DoZoom(0, 1, 27, 63, 0, 1, 0, 1);
    ASSERT_EQ(Minima.size(), 7u);
    // 27 is approached by thirds of what is left: 9, 15, 19, ...
    double Expected = 0;
    for (double M : Minima) {
        Expected += (27 - Expected) / 3;
        EXPECT_NEAR(M, Expected, 1e-9);
    }
    EXPECT_DOUBLE_EQ(Chart->GetBottomAxis()->GetMinimum(), 27);
    EXPECT_DOUBLE_EQ(Chart->GetBottomAxis()->GetMaximum(), 63);
    Chart->GetZoom()->SetAnimatedSteps(1);
    Minima.clear();
    Chart->DoZoom(0, 1, 0, 10, 0, 1, 0, 1);
    EXPECT_TRUE(Minima.empty());
}

} // namespace
} // namespace vur::test
