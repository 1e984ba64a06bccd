// The order of one paint: layers, pipeline events, tool events and the
// series' drawing; repaint requests held off while it runs; the series
// visiting order and the clip to the plot.
#include "chart/Series/LineSeries.h"
#include "framework/SystemColors.h"
#include "tests/chart/PaintTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

namespace vur::test {
namespace {

struct PipelineFixture : ::testing::Test {
    TPaintLog Log;
    TMainFormChart Main{Log};
    TLoggingChart& Chart = *Main.Chart;

    PipelineFixture() {
        Chart.OnBeforeDrawChart = [this](TPersistent*) { Log.push_back("OnBeforeDrawChart"); };
        Chart.OnBeforeDrawAxes = [this](TPersistent*) { Log.push_back("OnBeforeDrawAxes"); };
        Chart.OnBeforeDrawSeries = [this](TPersistent*) { Log.push_back("OnBeforeDrawSeries"); };
        Chart.OnAfterDraw = [this](TPersistent*) { Log.push_back("OnAfterDraw"); };
    }
    TLoggingSeries* AddSeries(const std::string& Name, int Points) {
        auto* Series = new TLoggingSeries(Main.Form, Log, Name);
        Series->SetParentChart(&Chart);
        for (int I = 0; I < Points; ++I) Series->AddXY(I, 10 * I);
        return Series;
    }
    TLoggingTool* AddTool(const std::string& Name) {
        auto* Tool = new TLoggingTool(Main.Form, Log, Name);
        Tool->SetParentChart(&Chart);
        return Tool;
    }
    void Paint() {
        Log.clear();
        Chart.Draw();
    }
};

TEST_F(PipelineFixture, OnePaintVisitsEveryLayerInItsFixedOrder) {
    AddSeries("A", 2);
    AddTool("T");
    Paint();
    const TPaintLog Expected{"PanelPaint",
                             "T:BeforeDraw",
                             "OnBeforeDrawChart",
                             "A:BeforeDrawChart",
                             "TitlesAndLegend(before)",
                             "CalcWallsRect",
                             "AxisRect0",
                             "AxisRect2",
                             "A:DepthPositions",
                             "DrawWalls",
                             "T:BeforeDrawAxes",
                             "OnBeforeDrawAxes",
                             "T:BeforeDrawSeries",
                             "OnBeforeDrawSeries",
                             "A:BeforeDrawValues",
                             "A0",
                             "A1",
                             "A:AfterDrawValues",
                             "T:AfterDrawSeries",
                             "TitlesAndLegend(after)",
                             "ZoomRectangle",
                             "T:AfterDraw",
                             "OnAfterDraw"};
    EXPECT_EQ(Log, Expected);
}

TEST_F(PipelineFixture, AxesInFrontAreDrawnAfterTheSeries) {
    AddSeries("A", 1);
    AddTool("T");
    Chart.SetAxisBehind(false);
    Paint();
    const TPaintLog Expected{"PanelPaint",
                             "T:BeforeDraw",
                             "OnBeforeDrawChart",
                             "A:BeforeDrawChart",
                             "TitlesAndLegend(before)",
                             "CalcWallsRect",
                             "AxisRect0",
                             "AxisRect2",
                             "A:DepthPositions",
                             "DrawWalls",
                             "T:BeforeDrawSeries",
                             "OnBeforeDrawSeries",
                             "A:BeforeDrawValues",
                             "A0",
                             "A:AfterDrawValues",
                             "T:AfterDrawSeries",
                             "T:BeforeDrawAxes",
                             "OnBeforeDrawAxes",
                             "TitlesAndLegend(after)",
                             "ZoomRectangle",
                             "T:AfterDraw",
                             "OnAfterDraw"};
    EXPECT_EQ(Log, Expected);
}

TEST_F(PipelineFixture, HiddenAxesSkipTheirEventButToolsStillHearTheStage) {
    AddTool("T");
    Chart.SetAxisVisible(false);
    Paint();
    EXPECT_EQ(std::count(Log.begin(), Log.end(), "T:BeforeDrawAxes"), 1);
    EXPECT_EQ(std::count(Log.begin(), Log.end(), "OnBeforeDrawAxes"), 0);
}

TEST_F(PipelineFixture, ToolsAreToldInListOrderAndOnlyWhenActive) {
    AddTool("T1");
    TLoggingTool* Second = AddTool("T2");
    AddTool("T3");
    Second->SetActive(false);
    Paint();
    const TPaintLog Expected{"T1:BeforeDraw", "T3:BeforeDraw"};
    EXPECT_EQ(TPaintLog(Log.begin() + 1, Log.begin() + 3), Expected);
    EXPECT_EQ(std::count(Log.begin(), Log.end(), "T2:AfterDraw"), 0);
    // The stages keep their ordinal values.
    EXPECT_EQ(static_cast<int>(cteAfterDraw), 0);
    EXPECT_EQ(static_cast<int>(cteMouseLeave), 5);
    // A destroyed tool leaves the list.
    delete Second;
    EXPECT_EQ(Chart.GetTools().Count(), 2);
}

TEST_F(PipelineFixture, SeriesWithoutPointsIsSkippedWithoutEvents) {
    AddSeries("Empty", 0);
    AddSeries("B", 1);
    auto* Hidden = AddSeries("Off", 3);
    Hidden->SetActive(false);
    Paint();
    EXPECT_EQ(std::count(Log.begin(), Log.end(), "Empty:BeforeDrawValues"), 0);
    EXPECT_EQ(std::count(Log.begin(), Log.end(), "Empty:AfterDrawValues"), 0);
    EXPECT_EQ(std::count(Log.begin(), Log.end(), "Off0"), 0);
    EXPECT_EQ(std::count(Log.begin(), Log.end(), "B0"), 1);
}

TEST_F(PipelineFixture, FlatChartDrawsItsSeriesInListOrder) {
    AddSeries("A", 1);
    AddSeries("B", 1);
    AddSeries("C", 1);
    Paint();
    const auto Pos = [&](const char* Entry) {
        return std::find(Log.begin(), Log.end(), Entry) - Log.begin();
    };
    EXPECT_LT(Pos("A0"), Pos("B0"));
    EXPECT_LT(Pos("B0"), Pos("C0"));
    // An inverted horizontal axis walks the points backwards.
    Chart.GetBottomAxis()->SetInverted(true);
    AddSeries("D", 3);
    Paint();
    EXPECT_LT(Pos("D2"), Pos("D1"));
    EXPECT_LT(Pos("D1"), Pos("D0"));
}

TEST_F(PipelineFixture, InvertedDepthAxisReversesTheSeriesIn3D) {
    AddSeries("A", 1);
    AddSeries("B", 1);
    Chart.SetView3D(true);
    Chart.GetDepthAxis()->SetInverted(true);
    Paint();
    const auto Pos = [&](const char* Entry) {
        return std::find(Log.begin(), Log.end(), Entry) - Log.begin();
    };
    EXPECT_LT(Pos("B0"), Pos("A0"));
    // Slots stay as the z-order gave them: the first series in front.
    EXPECT_EQ(Chart.GetSeries(0)->GetSeriesDepthSlot(), 0);
    EXPECT_EQ(Chart.GetSeries(1)->GetSeriesDepthSlot(), 1);
    Chart.GetDepthAxis()->SetInverted(false);
    Paint();
    EXPECT_LT(Pos("A0"), Pos("B0"));
    // Not inverted: the first series goes to the back.
    EXPECT_EQ(Chart.GetSeries(0)->GetSeriesDepthSlot(), 1);
    EXPECT_EQ(Chart.GetSeries(0)->GetStartZ(), Chart.GetSeriesWidth3D());
    EXPECT_EQ(Chart.GetSeries(1)->GetSeriesDepthSlot(), 0);
}

TEST_F(PipelineFixture, SeriesSharingADepthSlotAreDrawnPointByPoint) {
    TLoggingSeries* A = AddSeries("A", 2);
    TLoggingSeries* B = AddSeries("B", 3);
    A->SetZOrder(0);
    B->SetZOrder(0);
    Chart.SetView3D(true);
    Paint();
    const TPaintLog Expected{"A:BeforeDrawValues", "B:BeforeDrawValues", "A0", "B0", "A1", "B1", "B2",
                             "A:AfterDrawValues",  "B:AfterDrawValues"};
    const auto First = std::find(Log.begin(), Log.end(), "A:BeforeDrawValues");
    ASSERT_NE(First, Log.end());
    EXPECT_EQ(TPaintLog(First, First + static_cast<std::ptrdiff_t>(Expected.size())), Expected);
    // In 2D the same series are drawn one after the other.
    Chart.SetView3D(false);
    Paint();
    const auto A1 = std::find(Log.begin(), Log.end(), "A1");
    EXPECT_EQ(*(A1 + 1), "A:AfterDrawValues");
}

TEST_F(PipelineFixture, ClipPointsKeepsSeriesDrawingInsideThePlot) {
    TLoggingSeries* A = AddSeries("A", 1);
    A->Fill = clRed;
    Chart.Draw();
    const gdi::Bitmap& Image = Chart.GetWindowImage().GetImage();
    const TRect R = Chart.GetChartRect();
    // The 2D clip of the plot: its inside, the frame line excluded.
    EXPECT_EQ(Image.GetPixel(R.Left + 1, R.Top + 1), clRed);
    EXPECT_EQ(Image.GetPixel(R.Right - 1, R.Bottom - 1), clRed);
    EXPECT_NE(Image.GetPixel(R.Left, R.Top), clRed);
    EXPECT_NE(Image.GetPixel(R.Right, R.Bottom), clRed);
    EXPECT_NE(Image.GetPixel(5, 5), clRed);
    Chart.SetClipPoints(false);
    Chart.Draw();
    EXPECT_EQ(Image.GetPixel(5, 5), clRed);
}

TEST_F(PipelineFixture, ClipIsRemovedBeforeTheNextLayer) {
    TLoggingSeries* A = AddSeries("A", 1);
    A->Fill = clRed;
    Chart.OnAfterDraw = [this](TPersistent*) {
        TVurCanvas3D* Canvas = Chart.GetCanvas();
        Canvas->GetBrush()->SetColor(clBlue);
        Canvas->FillRect(TRect{2, 2, 8, 8});
    };
    Chart.Draw();
    EXPECT_EQ(Chart.GetWindowImage().GetImage().GetPixel(5, 5), clBlue);
}

// ---- repaint requests during a paint

TEST_F(PipelineFixture, HandlersChangingPropertiesRequestNoSecondPaint) {
    Main.Show();
    ASSERT_EQ(Chart.Draws, 1);
    const int Requests = Main.WS.InvalidateCount(Chart.GetHandle());
    bool HeldOff = false;
    Chart.OnBeforeDrawSeries = [&](TPersistent*) {
        HeldOff = !Chart.GetAutoRepaint();
        Chart.SetMarginLeft(Chart.GetMarginLeft() + 1);
    };
    Chart.Invalidate();
    Main.Pump();
    EXPECT_TRUE(HeldOff);
    EXPECT_EQ(Chart.Draws, 2);
    EXPECT_EQ(Main.WS.InvalidateCount(Chart.GetHandle()), Requests + 1);
    EXPECT_TRUE(Chart.GetAutoRepaint());
    // The changed margin shows at the next real invalidation only.
    Main.Pump();
    EXPECT_EQ(Chart.Draws, 2);
}

TEST_F(PipelineFixture, SettingTheValueAlreadyThereRequestsNothing) {
    Main.Show();
    const int Requests = Main.WS.InvalidateCount(Chart.GetHandle());
    Chart.SetMarginTop(4);
    Chart.SetAxisBehind(true);
    Chart.SetChart3DPercent(15);
    Chart.SetBevelOuter(bvRaised);
    EXPECT_EQ(Main.WS.InvalidateCount(Chart.GetHandle()), Requests);
    Chart.SetMarginTop(5);
    EXPECT_EQ(Main.WS.InvalidateCount(Chart.GetHandle()), Requests + 1);
}

TEST_F(PipelineFixture, FailingHandlerStillGivesRepaintsBack) {
    Chart.OnBeforeDrawSeries = [](TPersistent*) { throw std::runtime_error("handler"); };
    EXPECT_THROW(Chart.Draw(), std::runtime_error);
    EXPECT_TRUE(Chart.GetAutoRepaint());
}

} // namespace
} // namespace vur::test

namespace vur::test {
namespace {

// A plain chart, as the main form has it: the title and walls come from the chart itself.
class TTitledChart : public TChart {
public:
    using TChart::TChart;
    void CalcWallsRect() override {
        AfterTitles = GetChartRect();
        TChart::CalcWallsRect();
    }
    TRect AfterTitles;
};

TEST(ChartPaint, MainFormTitleAndBackWallAreDrawnByTheChart) {
    TComponent Owner(nullptr);
    auto* Chart = new TTitledChart(&Owner);
    Chart->SetBounds(0, 0, 689, 257);
    Chart->SetView3D(false);
    Chart->GetTitle()->SetCaption("TChart");
    auto* Series = new TLineSeries(&Owner);
    Series->SetParentChart(Chart);
    for (int I = 0; I < 10; ++I) Series->AddXY(I, (I * 37) % 100);
    Chart->Draw();
    TVurCanvas3D* Canvas = Chart->GetCanvas();
    Canvas->AssignFont(Chart->GetTitle()->GetFont());
    const int FontHeight = Canvas->GetFontHeight();
    EXPECT_EQ(Chart->AfterTitles.Top, 11 + FontHeight + 8);
    EXPECT_EQ(Chart->AfterTitles.Left, 21);
    // The back wall: a black frame on the final plot rectangle.
    const TRect R = Chart->GetChartRect();
    const gdi::Bitmap& Image = Chart->GetWindowImage().GetImage();
    EXPECT_EQ(Image.GetPixel(R.Left, (R.Top + R.Bottom) / 2), clBlack);
    EXPECT_EQ(Image.GetPixel(R.Right, (R.Top + R.Bottom) / 2), clBlack);
    Chart->GetWindowImage().SaveToFile("ChartPaint.png");
}

} // namespace
} // namespace vur::test
