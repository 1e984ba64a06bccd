// Clicks on a series and on its marks through the window system: mouse
// messages on the headless backend reach the chart's mouse path, which finds
// the part under the pointer and calls the series' own events.
#include "chart/Series/LineSeries.h"
#include "tests/chart/HeadlessChart.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vur::test {
namespace {

class SeriesClick : public ::testing::Test, protected THeadlessChart<> {
protected:
    SeriesClick() {
        Series->SetParentChart(Chart);
        for (int X = 0; X <= 10; ++X) Series->AddXY(X, 50);
        Series->GetMarks()->SetVisible(true);
        Series->OnClick = [this](TChartSeries*, int Index, TMouseButton, TShiftState, int, int) {
            Log.push_back("click " + std::to_string(Index));
        };
        Series->OnDblClick = [this](TChartSeries*, int Index, TMouseButton, TShiftState, int, int) {
            Log.push_back("double " + std::to_string(Index));
        };
        Chart->OnClickBackground = [this](TPersistent*, TMouseButton, TShiftState, int, int) {
            Log.push_back("background");
        };
        Show();
    }

    TPoint PointPixel(int Index) const { return TPoint{Series->CalcXPos(Index), Series->CalcYPos(Index)}; }

    TLineSeries* Series = new TLineSeries(Form);
    std::vector<std::string> Log;
};

TEST_F(SeriesClick, TheSeriesOwnEventsAnswerWithoutAChartHandler) {
    const TPoint P = PointPixel(4);
    Post(ui::WM_LBUTTONDOWN, P.X, P.Y, ui::MK_LBUTTON);
    Post(ui::WM_LBUTTONUP, P.X, P.Y);
    Post(ui::WM_LBUTTONDBLCLK, P.X, P.Y, ui::MK_LBUTTON);
    Post(ui::WM_LBUTTONUP, P.X, P.Y);
    // Neither handler cleared the handled flag, so neither click reached the background.
    EXPECT_EQ(Log, (std::vector<std::string>{"click 4", "double 4"}));
}

TEST_F(SeriesClick, AMarkIsItsOwnPartAndReportsNoSeriesClick) {
    const TSeriesMarkPosition* Mark = Series->GetMarks()->Positions().Get(6);
    ASSERT_NE(Mark, nullptr);
    const TRect B = Mark->Bounds();
    const TChartClickedPart Part = Chart->CalcClickedPart(B.Left + 3, B.Top + 2);
    EXPECT_EQ(Part.Part, cpSeriesMarks);
    EXPECT_EQ(Part.ASeries, Series);
    EXPECT_EQ(Part.PointIndex, 6);
    Post(ui::WM_LBUTTONDOWN, B.Left + 3, B.Top + 2, ui::MK_LBUTTON);
    Post(ui::WM_LBUTTONUP, B.Left + 3, B.Top + 2);
    EXPECT_EQ(Log, (std::vector<std::string>{"background"}));
}

TEST_F(SeriesClick, ASeriesNobodyListensToIsNotHit) {
    Series->OnClick = nullptr;
    Series->OnDblClick = nullptr;
    const TPoint P = PointPixel(4);
    EXPECT_EQ(Chart->CalcClickedPart(P.X, P.Y).Part, cpChartRect);
}

TEST_F(SeriesClick, TheCursorOverAPointIsTheSeriesCursor) {
    Series->SetCursor(crHandPoint);
    const TPoint P = PointPixel(2);
    Post(ui::WM_MOUSEMOVE, P.X, P.Y);
    EXPECT_EQ(Chart->GetCursor(), crHandPoint);
    Post(ui::WM_MOUSEMOVE, P.X, P.Y + 60);
    EXPECT_EQ(Chart->GetCursor(), crDefault);
}

} // namespace
} // namespace vur::test
