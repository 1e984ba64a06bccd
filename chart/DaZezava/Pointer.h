// TSeriesPointer: the marker a series can draw at each point, its pen and
// brush set up from the point's colour, the room it asks of the axes, and
// its small form in a legend symbol. The shapes are drawn in PointerDraw.cpp.
#pragma once

#include "chart/RoVedure/Gradient.h"
#include "chart/VurProcs/Shape.h"

#include <cstdint>
#include <memory>

namespace vur {

class TCanvas3D;
class TChartSeries;

enum TSeriesPointerStyle : std::uint8_t {
    psRectangle,
    psCircle,
    psTriangle,
    psDownTriangle,
    psCross,
    psDiagCross,
    psStar,
    psDiamond,
    psSmallDot,
    psNothing,
    psLeftTriangle,
    psRightTriangle
};

// Brush, Visible and the outline pen (Pen) come from the shape; every
// change repaints the series' chart.
class TSeriesPointer : public TVurCustomShapeBrushPen {
public:
    // AOwner may be none (a pointer outside any series).
    explicit TSeriesPointer(TChartSeries* AOwner);
    ~TSeriesPointer() override;

    void Repaint() const override;

    std::string ClassName() const override { return "TSeriesPointer"; }
    void Assign(const TPersistent* Source) override;

    TSeriesPointerStyle GetStyle() const { return FStyle; }
    void SetStyle(TSeriesPointerStyle Value) { SetProperty(FStyle, Value); }
    int GetHorizSize() const { return FHorizSize; }
    // Sizes are half widths in pixels; 0 or less raises ChartException.
    void SetHorizSize(int Value);
    int GetVertSize() const { return FVertSize; }
    void SetVertSize(int Value);
    void SetSize(int Value);
    bool GetInflateMargins() const { return FInflateMargins; }
    void SetInflateMargins(bool Value) { SetProperty(FInflateMargins, Value); }
    bool GetDraw3D() const { return FDraw3D; }
    void SetDraw3D(bool Value) { SetProperty(FDraw3D, Value); }
    bool GetDark3D() const { return FDark3D; }
    void SetDark3D(bool Value) { SetProperty(FDark3D, Value); }
    // The outline; its automatic colour (clDefault) follows the point colour.
    TChartPen* GetPen() const { return GetFrame(); }
    // Fills the marker instead of the brush while visible.
    TVurGradient* GetGradient() const { return FGradient.get(); }
    TVurTransparency GetTransparency() const { return FTransparency; }
    // Clamped to 0..100.
    void SetTransparency(TVurTransparency Value);
    TChartSeries* GetSeries() const { return FSeries; }

    // The series' depths; 0 without a series.
    int GetStartZ() const;
    int GetMiddleZ() const;
    int GetEndZ() const;

    // Widen the margins to hold a visible marker when InflateMargins is set.
    void CalcHorizMargins(int& LeftMargin, int& RightMargin) const;
    void CalcVerticalMargins(int& TopMargin, int& BottomMargin) const;

    // ---- drawing (PointerDraw.cpp)
    // Pen and brush of one marker in Color.
    void PrepareCanvas(TCanvas3D* Canvas, TColor Color);
    // PrepareCanvas on the chart's canvas with the brush's own colour.
    void Prepare();
    // With Style and the brush colour, on the chart's canvas.
    void Draw(int X, int Y);
    void Draw(const TPoint& P) { Draw(P.X, P.Y); }
    void Draw(int X, int Y, TColor Color, TSeriesPointerStyle AStyle);
    // One marker of AStyle at (PX, PY) with the current pen and brush, flat
    // or (Is3D) at the series' depths.
    void DrawPointer(TCanvas3D* Canvas, bool Is3D, int PX, int PY, int HorizHalf, int VertHalf, TColor Color,
                     TSeriesPointerStyle AStyle);
    // The marker as a legend symbol: flat, centred in Rect, small enough to
    // leave room for a line through the symbol when WithLine.
    void DrawLegendShape(TCanvas3D* Canvas, TColor Color, const TRect& Rect, bool WithLine,
                         TSeriesPointerStyle AStyle);

private:
    void DrawShape(TCanvas3D* Canvas, bool Is3D, int PX, int PY, int HorizHalf, int VertHalf,
                   TSeriesPointerStyle AStyle);
    void FillGradient(TCanvas3D* Canvas, bool Is3D, int PX, int PY, int HorizHalf, int VertHalf, TColor Color,
                      TSeriesPointerStyle AStyle);
    // The area a transparent marker blends over.
    TRect BlendRect(TCanvas3D* Canvas, bool Is3D, const TRect& Box, TSeriesPointerStyle AStyle) const;

    TChartSeries* FSeries;
    std::unique_ptr<TVurGradient> FGradient;
    TSeriesPointerStyle FStyle = psRectangle;
    int FHorizSize = 4;
    int FVertSize = 4;
    bool FInflateMargins = true;
    bool FDraw3D = true;
    bool FDark3D = true;
    TVurTransparency FTransparency = 0;
};

} // namespace vur
