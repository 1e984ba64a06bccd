#include "QtProgram.h"

using namespace vur;
using namespace std::chrono_literals;

namespace {

// The chart with ten known points, painted once so that pixels map to values.
class QtChartMouse : public QtProgram {
protected:
    void SetUp() override {
        QtProgram::SetUp();
        for (int I = 0; I < 10; ++I) Form1->Series1->AddXY(45429.0 + I / 1440.0, 10.0 * I, "", clDefault);
        Form1->Chart1->OnScroll = [this](TPersistent*) { ++Scrolls; };
        App->ProcessMessages();
        Chart = Form1->Chart1->GetHandle();
        Plot = Form1->Chart1->GetChartRect();
        Bottom = Form1->Chart1->GetBottomAxis();
        LeftAxis = Form1->Chart1->GetLeftAxis();
    }

    // Press, one move and release with one button, each through Qt's mouse events.
    void Drag(std::uint32_t Down, std::uint32_t Up, std::uint16_t Held, TPoint From, TPoint To) {
        WS.SendMouse(Chart, Down, From.X, From.Y, Held);
        App->ProcessMessages();
        WS.SendMouse(Chart, ui::WM_MOUSEMOVE, To.X, To.Y, Held);
        App->ProcessMessages();
        WS.SendMouse(Chart, Up, To.X, To.Y, 0);
        App->ProcessMessages();
    }

    ui::WindowHandle Chart = ui::NoWindow;
    TRect Plot;
    TChartAxis* Bottom = nullptr;
    TChartAxis* LeftAxis = nullptr;
    int Scrolls = 0;
};

} // namespace

TEST_F(QtChartMouse, LeftDragZoomsAndTheReverseDragRestores) {
    ASSERT_GT(Plot.Width(), 400);
    const double BottomMin = Bottom->GetMinimum(), BottomMax = Bottom->GetMaximum();
    const double LeftMin = LeftAxis->GetMinimum(), LeftMax = LeftAxis->GetMaximum();
    const TPoint From{Plot.Left + 50, Plot.Top + 40};
    const TPoint To{Plot.Left + 300, Plot.Top + 160};
    // The values under the rectangle's corners before anything moves.
    const double WantBottomMin = Bottom->CalcPosPoint(From.X), WantBottomMax = Bottom->CalcPosPoint(To.X);
    const double WantLeftMin = LeftAxis->CalcPosPoint(To.Y), WantLeftMax = LeftAxis->CalcPosPoint(From.Y);

    const ui::QtWindowSystem::Snapshot Before = WS.Grab(Chart);
    WS.SendMouse(Chart, ui::WM_LBUTTONDOWN, From.X, From.Y, ui::MK_LBUTTON);
    App->ProcessMessages();
    EXPECT_TRUE(Form1->Chart1->GetZoom()->Active);
    WS.SendMouse(Chart, ui::WM_MOUSEMOVE, To.X, To.Y, ui::MK_LBUTTON);
    App->ProcessMessages();
    EXPECT_EQ(Form1->Chart1->GetZoom()->X1, To.X);
    // The rectangle's inverted top edge is on the screen while the drag goes on.
    const ui::QtWindowSystem::Snapshot During = WS.Grab(Chart);
    int Inverted = 0;
    for (int X = From.X + 1; X < To.X; ++X) Inverted += During.At(X, From.Y) != Before.At(X, From.Y);
    EXPECT_GT(Inverted, (To.X - From.X) / 2);
    if (HasFailure()) SavePicture(During, "qt_zoom_rectangle");
    WS.SendMouse(Chart, ui::WM_LBUTTONUP, To.X, To.Y, 0);
    App->ProcessMessages();
    EXPECT_FALSE(Form1->Chart1->GetZoom()->Active);
    EXPECT_TRUE(Form1->Chart1->GetZoomed());
    EXPECT_NEAR(Bottom->GetMinimum(), WantBottomMin, 1e-9);
    EXPECT_NEAR(Bottom->GetMaximum(), WantBottomMax, 1e-9);
    EXPECT_NEAR(LeftAxis->GetMinimum(), WantLeftMin, 1e-9);
    EXPECT_NEAR(LeftAxis->GetMaximum(), WantLeftMax, 1e-9);
    EXPECT_GT(Bottom->GetMinimum(), BottomMin);
    EXPECT_LT(Bottom->GetMaximum(), BottomMax);

    Drag(ui::WM_LBUTTONDOWN, ui::WM_LBUTTONUP, ui::MK_LBUTTON, To, From);
    EXPECT_FALSE(Form1->Chart1->GetZoomed());
    EXPECT_TRUE(Bottom->GetAutomatic());
    App->ProcessMessages(); // the repaint works the automatic ranges out again
    EXPECT_DOUBLE_EQ(Bottom->GetMinimum(), BottomMin);
    EXPECT_DOUBLE_EQ(Bottom->GetMaximum(), BottomMax);
    EXPECT_DOUBLE_EQ(LeftAxis->GetMinimum(), LeftMin);
    EXPECT_DOUBLE_EQ(LeftAxis->GetMaximum(), LeftMax);
}

TEST_F(QtChartMouse, RightDragPansWithThePointerAndTheWheelScrollsTheVerticalAxes) {
    const TPoint From{Plot.Left + 200, Plot.Top + 100};
    const TPoint To{From.X + 10, From.Y};
    const double Shift = Bottom->CalcPosPoint(From.X) - Bottom->CalcPosPoint(To.X);
    ASSERT_LT(Shift, 0.0); // the content follows the pointer to the right
    const double BottomMin = Bottom->GetMinimum(), BottomMax = Bottom->GetMaximum();
    const double LeftMin = LeftAxis->GetMinimum(), LeftMax = LeftAxis->GetMaximum();

    Drag(ui::WM_RBUTTONDOWN, ui::WM_RBUTTONUP, ui::MK_RBUTTON, From, To);
    EXPECT_EQ(Scrolls, 1);
    EXPECT_FALSE(Form1->Chart1->GetPanning().Active);
    EXPECT_NEAR(Bottom->GetMinimum(), BottomMin + Shift, 1e-9);
    EXPECT_NEAR(Bottom->GetMaximum(), BottomMax + Shift, 1e-9);
    EXPECT_DOUBLE_EQ(LeftAxis->GetMinimum(), LeftMin); // no vertical movement
    App->ProcessMessages();

    // One notch towards the user: three hundredths of the span upwards.
    WS.SendWheel(Chart, -ui::WHEEL_DELTA, From.X, From.Y);
    App->ProcessMessages();
    const double Span = LeftMax - LeftMin;
    EXPECT_NEAR(LeftAxis->GetMinimum(), LeftMin + 0.03 * Span, 1e-9);
    EXPECT_NEAR(LeftAxis->GetMaximum(), LeftMax + 0.03 * Span, 1e-9);
    EXPECT_EQ(Scrolls, 1); // the wheel reports no scroll
}

TEST_F(QtChartMouse, TheChartsCursorReachesTheWidget) {
    EXPECT_EQ(WS.ShownCursor(Chart), ui::CursorDefault);
    Form1->Chart1->SetCursor(crCross);
    EXPECT_EQ(WS.ShownCursor(Chart), ui::CursorCross);
    // A move over the plot with no drag: the chart goes back to its first cursor.
    WS.SendMouse(Chart, ui::WM_MOUSEMOVE, Plot.Left + 100, Plot.Top + 100);
    App->ProcessMessages();
    EXPECT_EQ(Form1->Chart1->GetCursor(), crDefault);
    EXPECT_EQ(WS.ShownCursor(Chart), ui::CursorDefault);
    Form1->Chart1->SetCursor(crHandPoint);
    EXPECT_EQ(WS.ShownCursor(Chart), ui::CursorHandPoint);
    // Starting a drag does the same.
    WS.SendMouse(Chart, ui::WM_LBUTTONDOWN, Plot.Left + 100, Plot.Top + 100, ui::MK_LBUTTON);
    App->ProcessMessages();
    EXPECT_EQ(WS.ShownCursor(Chart), ui::CursorDefault);
    WS.SendMouse(Chart, ui::WM_LBUTTONUP, Plot.Left + 100, Plot.Top + 100, 0);
    App->ProcessMessages();
}
