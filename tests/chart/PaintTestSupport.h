// Test doubles for the paint tests: a chart that logs its layers, a tool and
// a series that log what the paint tells them, and the main form's chart
// on the headless window system.
#pragma once

#include "chart/Chart/Chart.h"
#include "chart/VurProcs/ChartTool.h"
#include "tests/chart/HeadlessChart.h"

#include <string>
#include <vector>

namespace vur::test {

using TPaintLog = std::vector<std::string>;

// A chart whose layer hooks write to a log.
class TLoggingChart : public TChart {
public:
    TLoggingChart(TComponent* AOwner, TPaintLog& ALog) : TChart(AOwner), Log(ALog) {}
    void PanelPaint(const TRect& Rect) override {
        Log.push_back("PanelPaint");
        TChart::PanelPaint(Rect);
    }
    void DrawTitlesAndLegend(bool BeforeSeries) override {
        Log.push_back(BeforeSeries ? "TitlesAndLegend(before)" : "TitlesAndLegend(after)");
    }
    void CalcWallsRect() override {
        Log.push_back("CalcWallsRect");
        TChart::CalcWallsRect();
    }
    void DrawWalls() override { Log.push_back("DrawWalls"); }
    void DrawZoomRectangle() override { Log.push_back("ZoomRectangle"); }
    int Draws = 0;
    void InternalDraw(const TRect& UserRect) override {
        ++Draws;
        TChart::InternalDraw(UserRect);
    }
    // Each axis given to CalcAxisRect takes Room pixels off its side.
    int Room = 0;
    std::vector<int> LaidOut;

protected:
    void CalcAxisRect(TChartAxis* Axis, TRect& R, bool Inflate) override {
        LaidOut.push_back(GetAxes()->IndexOf(Axis));
        Log.push_back("AxisRect" + std::to_string(LaidOut.back()));
        if (!Inflate) return;
        if (Axis == GetBottomAxis()) R.Bottom -= Room;
        if (Axis == GetLeftAxis()) R.Left += Room;
    }

private:
    TPaintLog& Log;
};

class TLoggingTool : public TChartTool {
public:
    TLoggingTool(TComponent* AOwner, TPaintLog& ALog, std::string AName)
        : TChartTool(AOwner), Log(ALog), Name(std::move(AName)) {}
    void ChartEvent(TChartToolEvent Event) override {
        static const char* const Names[] = {"AfterDraw",      "BeforeDrawSeries", "BeforeDraw",
                                            "BeforeDrawAxes", "AfterDrawSeries",  "MouseLeave"};
        Log.push_back(Name + ":" + Names[Event]);
    }

private:
    TPaintLog& Log;
    std::string Name;
};

// A series that logs the points it is asked to draw.
class TLoggingSeries : public TChartSeries {
public:
    TLoggingSeries(TComponent* AOwner, TPaintLog& ALog, std::string AName)
        : TChartSeries(AOwner), Log(ALog), Name(std::move(AName)) {
        BeforeDrawValues = [this](TPersistent*) { Log.push_back(Name + ":BeforeDrawValues"); };
        AfterDrawValues = [this](TPersistent*) { Log.push_back(Name + ":AfterDrawValues"); };
    }
    void DoBeforeDrawChart() override { Log.push_back(Name + ":BeforeDrawChart"); }
    void CalcDepthPositions() override {
        Log.push_back(Name + ":DepthPositions");
        TChartSeries::CalcDepthPositions();
    }
    void DrawValue(int Index) override {
        Log.push_back(Name + std::to_string(Index));
        if (Fill != clNone) {
            TVurCanvas3D* Canvas = GetParentChart()->GetCanvas();
            Canvas->GetBrush()->SetStyle(bsSolid);
            Canvas->GetBrush()->SetColor(Fill);
            Canvas->FillRect(TRect{0, 0, 10000, 10000});
        }
    }
    void SetZOrder(int Value) { FZOrder = Value; }
    // When set, drawing a point floods everything the clip lets through.
    TColor Fill = clNone;

private:
    TPaintLog& Log;
    std::string Name;
};

// The main form's chart whose layers write to Log.
struct TMainFormChart : THeadlessChart<TLoggingChart> {
    explicit TMainFormChart(TPaintLog& Log) : THeadlessChart(Log) {}
};

} // namespace vur::test
