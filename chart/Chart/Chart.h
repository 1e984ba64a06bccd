// TCustomChart and TChart: the chart component. It owns the titles and the
// walls and draws them at their places in a paint, sizes the 3D depth of a
// paint, decides which palette colours are free
// (against the other series, the panel and the back wall) and remembers the
// palette last applied.
#pragma once

#include "chart/Chart/ChartMouse.h"
#include "chart/Chart/Legend.h"
#include "chart/Chart/Title.h"
#include "chart/Chart/Walls.h"
#include "chart/DaZezava/AxisPanel.h"
#include "chart/VurProcs/Zoom.h"

#include <memory>
#include <vector>

namespace vur {

class TCustomChart : public TCustomAxisPanel {
public:
    explicit TCustomChart(TComponent* AOwner);
    ~TCustomChart() override;

    std::string ClassName() const override { return "TCustomChart"; }

    // False when another series has the colour, or, with CheckBackground,
    // when the panel or the back wall has it.
    bool IsFreeSeriesColor(TColor Color, bool CheckBackground, const TChartSeries* Series) const override;

    TChartTitle* GetTitle() const { return FTitle.get(); }
    TChartTitle* GetSubTitle() const { return FSubTitle.get(); }
    TChartFootTitle* GetFoot() const { return FFoot.get(); }
    TChartFootTitle* GetSubFoot() const { return FSubFoot.get(); }
    TChartLegend* GetLegend() const { return FLegend.get(); }
    TChartWalls* GetWalls() const { return FWalls.get(); }
    TChartBackWall* GetBackWall() const { return FWalls->GetBack(); }
    TChartWall* GetLeftWall() const { return FWalls->GetLeft(); }
    TChartWall* GetBottomWall() const { return FWalls->GetBottom(); }
    TChartRightWall* GetRightWall() const { return FWalls->GetRight(); }
    // The frame around the plot: the back wall's pen.
    TChartPen* GetFrame() const { return GetBackWall()->GetPen(); }
    void SetFrame(const TChartPen* Value) { GetFrame()->Assign(Value); }

    // The back wall's colour when it is opaque, else the panel's.
    TColor GetBackColor() const override;
    // The depth of the chart and of one slot; an orthogonal 3D view makes
    // room for the depth beside and above the plot.
    void CalcWallsRect() override;
    // The thickness of the wall beside Axis in a 3D view with walls.
    int CalcWallSize(const TChartAxis* Axis) const override;
    // Before the series the titles in their places (they shrink ChartRect);
    // after them the titles with a custom position and the walls in front.
    void DrawTitlesAndLegend(bool BeforeSeries) override;
    void DrawWalls() override;

    // ---- what series ask of the legend while they draw their symbols
    const TChartPen* GetLegendSymbolPen() const override;
    // The legend's colour, or the panel's while the legend's is automatic.
    TColor GetLegendBackColor() const override;
    void DrawLegendShape(const TRect& Rect) override;
    // The series' text for the point in the legend's text style.
    std::string FormattedValueLegend(TChartSeries* Series, int ValueIndex) const override;
    TOnGetLegendText OnGetLegendText;
    TOnGetLegendPos OnGetLegendPos;
    TOnGetLegendRect OnGetLegendRect;

    // The palette last applied (0: the default palette); stored as
    // "ColorPaletteIndex" when above 0.
    int GetColorPaletteIndex() const { return FColorPaletteIndex; }
    void SetColorPaletteIndex(int Value) { FColorPaletteIndex = Value; }
    // The stored "ColorPaletteIndex": records it and applies palettes from 1 on.
    void ReadColorPaletteIndex(int Value);

    // ---- zoom and scroll (chart/Chart/ChartZoom.cpp)
    TVurZoom* GetZoom() const { return FZoom.get(); }
    void SetZoom(const TVurZoom* Value) { FZoom->Assign(Value); }
    TPanningMode GetAllowPanning() const { return FAllowPanning; }
    void SetAllowPanning(TPanningMode Value) { FAllowPanning = Value; }
    TMouseButton GetScrollMouseButton() const { return FScrollMouseButton; }
    void SetScrollMouseButton(TMouseButton Value) { FScrollMouseButton = Value; }
    const TZoomPanning& GetPanning() const { return FPanning; }
    bool GetZoomed() const { return FZoomed; }
    bool GetScalesSaved() const { return FScalesSaved; }
    // Set by a tool or handler to stop the rest of the current mouse message.
    bool GetCancelMouse() const { return FCancelMouse; }
    void SetCancelMouse(bool Value) { FCancelMouse = Value; }
    TCursor GetOriginalCursor() const { return FOriginalCursor; }
    // The older stored names of Zoom's Allow, Animated and AnimatedSteps.
    void ReadAllowZoom(bool Value) { FZoom->SetAllow(Value); }
    void ReadAnimatedZoom(bool Value) { FZoom->SetAnimated(Value); }
    void ReadAnimatedZoomSteps(int Value) { FZoom->SetAnimatedSteps(Value); }
    void ZoomRect(const TRect& Rect);
    // About the plot's centre: 100 keeps the ranges, more zooms in.
    void ZoomPercent(double PercentZoom);
    virtual void UndoZoom();
    // The zoom rectangle's pixels as the four standard axes' new ranges.
    void CalcZoomPoints();
    void DoZoom(double TopMin, double TopMax, double BottomMin, double BottomMax, double LeftMin,
                double LeftMax, double RightMin, double RightMax);
    // One record per axis of the list; depth axes keep empty records.
    std::vector<TAxisSavedScales> SaveScales() const;
    void RestoreScales(const std::vector<TAxisSavedScales>& Saved);
    void ScrollVerticalAxes(bool Up);
    // Inverts the zoom rectangle's outline (and fill) in place; a zoom brush
    // with a visible gradient fills it with that.
    void DrawZoomRectangle() override;
    // Paints now, whatever the state of the buffer.
    void RepaintNow();
    TNotifyEvent OnZoom;
    TNotifyEvent OnUndoZoom;
    TNotifyEvent OnScroll;
    TChartAllowScrollEvent OnAllowScroll;

    // ---- mouse (chart/Chart/ChartMouse.cpp)
    TChartClickedPart CalcClickedPart(int X, int Y) const;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
    void MouseLeave() override;
    TChartClickAxisEvent OnClickAxis;
    TChartClickSeriesEvent OnClickSeries;
    TChartClickTitleEvent OnClickTitle;
    TChartClickEvent OnClickBackground;
    TChartClickEvent OnClickLegend;

private:
    // The titles placed by the user (or, BeforeSeries, the others).
    void DrawTitles(bool BeforeSeries);
    // Mouse down on a part that lets a drag start; true when one started.
    bool StartDrag(TMouseButton Button, TShiftState Shift, int X, int Y);
    // A series with a cursor of its own under (X, Y) shows it; false when none does.
    bool SeriesHover(int X, int Y);
    // One direction of a scroll drag step; true when the direction may pan.
    bool ScrollAxes(bool Horizontal, int New, int Old);
    // Shows the window's picture after drawing straight into it.
    void ShowWindowImage();
    // The zoom brush has a visible gradient: the rectangle cannot be drawn
    // away by drawing it again.
    bool ZoomFillsWithGradient() const;
    // Takes the zoom rectangle away before its corner moves.
    void EraseZoomRectangle();
    // Shows the drag as it is now: the rectangle drawn in place, or with a
    // gradient the chart drawn afresh (its paint ends with the rectangle).
    void ShowZoomDrag();

    std::unique_ptr<TVurZoom> FZoom = std::make_unique<TVurZoom>();
    TPanningMode FAllowPanning = pmBoth;
    TMouseButton FScrollMouseButton = mbRight;
    TZoomPanning FPanning;
    std::vector<TAxisSavedScales> FSavedScales;
    bool FScalesSaved = false;
    bool FZoomed = false;
    bool FCancelMouse = false;
    TCursor FOriginalCursor = crDefault;
    std::unique_ptr<TChartTitle> FTitle;
    std::unique_ptr<TChartTitle> FSubTitle;
    std::unique_ptr<TChartFootTitle> FFoot;
    std::unique_ptr<TChartFootTitle> FSubFoot;
    std::unique_ptr<TChartLegend> FLegend;
    std::unique_ptr<TChartWalls> FWalls;
    int FColorPaletteIndex = 0;
};

class TChart : public TCustomChart {
public:
    using TCustomChart::TCustomChart;
    std::string ClassName() const override { return "TChart"; }
};

} // namespace vur
