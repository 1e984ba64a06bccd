// The line-style series: TCustomLineSeries (its pen is the line pen),
// TCustomSeries (point markers, stacking, line and stair drawing, the click
// test) and TLineSeries (the line defaults). The drawing is in
// LineSeriesDraw.cpp, the click test in LineSeriesClicked.cpp.
#pragma once

#include "chart/DaZezava/Pointer.h"
#include "chart/DaZezava/Series.h"
#include "chart/RoVedure/Geometry.h"
#include "chart/RoVedure/Shadow.h"

#include <climits>
#include <functional>
#include <memory>
#include <span>

namespace vur {

enum TCustomSeriesStack : std::uint8_t { cssNone, cssOverlap, cssStack, cssStack100 };

class TCanvas3D;
class TCustomSeries;

using TSeriesClickPointerEvent = std::function<void(TCustomSeries* Sender, int ValueIndex, int X, int Y)>;
// The marker style of one point.
using TOnGetPointerStyle = std::function<TSeriesPointerStyle(TChartSeries* Sender, int ValueIndex)>;

class TCustomLineSeries : public TChartSeries {
public:
    static constexpr char StaticClassName[] = "TCustomLineSeries";
    explicit TCustomLineSeries(TComponent* AOwner) : TChartSeries(AOwner) {}

    std::string ClassName() const override { return StaticClassName; }
    const TChartSeriesClass* GetSeriesClass() const override { return SeriesClassOf<TCustomLineSeries>(); }

    TChartPen* GetLinePen() const { return GetPen(); }
};

class TCustomSeries : public TCustomLineSeries {
public:
    static constexpr char StaticClassName[] = "TCustomSeries";
    explicit TCustomSeries(TComponent* AOwner);
    ~TCustomSeries() override;

    std::string ClassName() const override { return StaticClassName; }
    const TChartSeriesClass* GetSeriesClass() const override { return SeriesClassOf<TCustomSeries>(); }

    TSeriesPointer* GetPointer() const { return FPointer.get(); }
    TCustomSeriesStack GetStacked() const { return FStacked; }
    void SetStacked(TCustomSeriesStack Value);

    // Stacking changes the extents of the mandatory direction.
    double MinXValue() const override;
    double MaxXValue() const override;
    double MinYValue() const override;
    double MaxYValue() const override;

    // ---- line properties
    bool GetColorEachLine() const { return FColorEachLine; }
    void SetColorEachLine(bool Value) { SetBooleanProperty(FColorEachLine, Value); }
    bool GetStairs() const { return FStairs; }
    void SetStairs(bool Value) { SetBooleanProperty(FStairs, Value); }
    bool GetInvertedStairs() const { return FInvertedStairs; }
    void SetInvertedStairs(bool Value) { SetBooleanProperty(FInvertedStairs, Value); }
    int GetLineHeight() const { return FLineHeight; }
    void SetLineHeight(int Value) { SetIntegerProperty(FLineHeight, BoundSetting(Value)); }
    TBrushStyle GetLineBrush() const { return FLineBrush; }
    void SetLineBrush(TBrushStyle Value);
    bool GetDark3D() const { return FDark3D; }
    void SetDark3D(bool Value) { SetBooleanProperty(FDark3D, Value); }
    TChartHiddenPen* GetOutLine() const { return FOutLine.get(); }
    TVurShadow* GetShadow() const { return FShadow.get(); }
    bool GetClickableLine() const { return FClickableLine; }
    void SetClickableLine(bool Value) { SetBooleanProperty(FClickableLine, Value); }
    bool GetDrawLine() const { return FDrawLine; }
    TSeriesClickPointerEvent OnClickPointer;
    TOnGetPointerStyle OnGetPointerStyle;

    // ---- drawing (LineSeriesDraw.cpp)
    // Stacked series share the chart's current depth slot.
    void CalcZOrder() override;
    void CalcHorizMargins(int& LeftMargin, int& RightMargin) const override;
    void CalcVerticalMargins(int& TopMargin, int& BottomMargin) const override;
    // The shadow and outline passes, then the line itself.
    void DrawAllValues() override;
    // The segment from the point drawn last to this one, and the markers.
    void DrawValue(int ValueIndex) override;
    // In a shadow or outline pass the points that follow the series colour
    // take the pass colour.
    TColor GetValueColor(int Index) const override;
    // Pen and brush of one segment.
    void LinePrepareCanvas(TCanvas3D* Canvas, TColor Color);
    // The marker of one point in its style; only called while the pointer
    // is visible (LineSeriesPointer.cpp).
    virtual void DrawPointer(int ValueIndex, int X, int Y, TColor Color);
    // The point's marker style: OnGetPointerStyle's answer, else the pointer's Style.
    TSeriesPointerStyle GetPointerStyle(int ValueIndex);

    // ---- legend symbol (LineSeriesPointer.cpp): the line's pen and brush,
    // a line through the symbol (a box in 3D) and the marker on it
    TBrushStyle PrepareLegendCanvas(int ValueIndex, TColor Color) override;
    void DrawLegendShape(int ValueIndex, const TRect& Rect) override;
    int GetPreviousX() const { return FPreviousX; }
    int GetPreviousY() const { return FPreviousY; }
    TColor GetPreviousColor() const { return FPreviousColor; }
    double GetDark3DRatio() const { return FDark3DRatio; }

    // ---- click test (LineSeriesClicked.cpp)
    // The point under the pixel, or the first point of the segment under it; -1 for none.
    int Clicked(int X, int Y) override;
    // The marker of the point drawn at (PX, PY) covers (X, Y).
    bool ClickedPointer(int ValueIndex, int PX, int PY, int X, int Y);

protected:
    void SetDrawLine(bool Value) { FDrawLine = Value; }

private:
    // The lowest or highest value point tops reach when stacked on the
    // series before this one.
    double StackedExtent(bool Maximum) const;
    // One run of the generic loop in a pass colour (clDefault: the series colour).
    void DrawPass(TColor PassColor);
    // One run over the visible points with its fixed settings in FPass.
    void RunPass();
    // The series draws its points as this class does: a pass may read the
    // value lists and map them through the axes itself.
    bool PlainPoints() const;
    // The visible points of a pass straight from the value lists' blocks.
    void DrawBlocks();
    // The points from Index on that go on in the current column of a solid
    // pass colour (pixels of a block that starts at Start); the index after them.
    int DrawColumnRun(std::span<const int> PixelX, std::span<const int> PixelY, int Start, int Index,
                      int Stop);
    void DrawShadowPass();
    // Both margins of one pair grow to the room thick stairs and the outline take.
    void LineMargins(int& Low, int& High) const;
    void DrawOutLinePass();
    bool PointerVisible() const { return !FPointerHidden && FPointer->GetVisible(); }
    // The series colour of the current pass.
    TColor LineColor() const { return FPassColor == clDefault ? GetSeriesColor() : FPassColor; }
    // DrawValue once the point's colour and pixel are known.
    void DrawPlacedValue(int ValueIndex, TColor Color, int X, int Y);
    // DrawPlacedValue for a point that does not go on in the current column.
    void DrawPoint(int ValueIndex, TColor Color, int X, int Y);
    // The plot edge the points before the first visible one lie beyond.
    int NearEdgeX() const;
    // The pixel height where the segment from point Before to point After
    // crosses the plot's vertical edge at pixel EdgeX.
    int EdgeY(int Before, int After, int EdgeX) const;
    void DrawSegment(int ValueIndex, int X, int Y, TColor Color, bool WithMarkers, bool IsLast);
    void DrawSegment2D(TCanvas3D* Canvas, int X, int Y, TColor Color);
    // A vertical segment, skipped when its pixels are already set.
    void DrawColumnSegment(TCanvas3D* Canvas, int X, int Y);
    void DrawSegment3D(TCanvas3D* Canvas, int X, int Y, TColor Color, bool IsLast);
    void DrawStairs3D(TCanvas3D* Canvas, int X, int Y);
    // The brush darkened for the steep and vertical pieces of the 3D line.
    void DarkenBrush(TCanvas3D* Canvas, TColor Color);

    std::unique_ptr<TSeriesPointer> FPointer;
    TCustomSeriesStack FStacked = cssNone;
    bool FColorEachLine = true;
    bool FStairs = false;
    bool FInvertedStairs = false;
    int FLineHeight = 0;
    TBrushStyle FLineBrush = bsSolid;
    bool FDark3D = true;
    std::unique_ptr<TChartHiddenPen> FOutLine;
    std::unique_ptr<TVurShadow> FShadow;
    bool FClickableLine = true;
    bool FDrawLine = true;

    // Drawing state: carried from one point to the next within a pass.
    int FPreviousX = 0;
    int FPreviousY = 0;
    TColor FPreviousColor = clNone;
    double FDark3DRatio = 1;
    // The pass being drawn: its colour, its pen (the line pen outside the
    // outline pass) and whether it hides the markers.
    TColor FPassColor = clDefault;
    TChartPen FPassPen;
    const TChartPen* FDrawPen;
    bool FPointerHidden = false;
    // The 2D pen of the last segment: which canvas pen took which line pen
    // in which colour, by their change counts.
    struct TPreparedPen {
        const TPen* CanvasPen = nullptr;
        std::uint32_t CanvasPenVersion = 0;
        const TChartPen* LinePen = nullptr;
        std::uint32_t LinePenVersion = 0;
        TColor Color = clNone;
        bool operator==(const TPreparedPen&) const = default;
    };
    TPreparedPen FPrepared;
    // The prepared pen sets exactly the pixels of a one-pixel line.
    bool FThinPen = false;
    // The rows the current pen has set in one column during this pass.
    static constexpr int NoColumn = INT_MIN;
    struct TColumnRun {
        int X = NoColumn;
        int Low = 0;
        int High = 0;
    };
    TColumnRun FColumn;
    // What stays fixed during one run of the generic loop; Canvas is null
    // outside one (a chart drawing several series point by point calls
    // DrawValue directly).
    struct TPassState {
        TCanvas3D* Canvas = nullptr;
        bool Forward = true;
        int FirstDisplayed = -1;
        // Flat solid lines without markers: a vertical segment may go
        // straight to the column test.
        bool Columns = false;
        bool OwnColours = false;
        TColor LineColour = clNone;
    };
    TPassState FPass;
};

// A line through the points; its pointer starts hidden.
class TLineSeries : public TCustomSeries {
public:
    static constexpr char StaticClassName[] = "TLineSeries";
    explicit TLineSeries(TComponent* AOwner);

    std::string ClassName() const override { return StaticClassName; }
    const TChartSeriesClass* GetSeriesClass() const override { return SeriesClassOf<TLineSeries>(); }
};

} // namespace vur
