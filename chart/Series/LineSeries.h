// The line-style series: TCustomLineSeries (its pen is the line pen),
// TCustomSeries (point markers, stacking, line and stair drawing, the click
// test) and TLineSeries (the line defaults). A line is drawn by a chain of
// steps over a TLinePass: the visible range, the series' point source, the
// axes' mappings, the column rule for dense data (LineSeriesDraw.cpp), the
// segments and the marker hook (LineSegments.cpp). The click test is in
// LineSeriesClicked.cpp.
#pragma once

#include "chart/DaZezava/Pointer.h"
#include "chart/DaZezava/Series.h"
#include "chart/DaZezava/SeriesPoints.h"
#include "chart/RoVedure/Geometry.h"
#include "chart/RoVedure/Shadow.h"
#include "chart/Series/LinePass.h"
#include "chart/Series/MarkerSieve.h"
#include "chart/Series/StackedPoints.h"

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

    // ---- drawing (LineSeriesDraw.cpp, LineSegments.cpp)
    // Stacked series share the chart's current depth slot.
    void CalcZOrder() override;
    void CalcHorizMargins(int& LeftMargin, int& RightMargin) const override;
    void CalcVerticalMargins(int& TopMargin, int& BottomMargin) const override;
    // Where the points are drawn and in which colour: the value lists, or
    // their stacks when Stacked is cssStack or cssStack100.
    virtual const TSeriesPoints& GetPoints() const;
    // The pixel of a point from its source, so that stacked points are
    // clicked and marked where they are drawn.
    int CalcXPos(int ValueIndex) const override;
    int CalcYPos(int ValueIndex) const override;
    // The shadow and outline passes, then the line itself.
    void DrawAllValues() override;
    // One point, for a chart that draws several series point by point.
    void DoBeforeDrawValues() override;
    void DrawValue(int ValueIndex) override;
    // Lifted by the callout length (LineSeriesMarks.cpp).
    void DrawMark(int ValueIndex, const std::string& Text, TSeriesMarkPosition& Position) override;
    // Pen and brush of one segment in the line pen.
    void LinePrepareCanvas(TCanvas3D* Canvas, TColor Color);
    // The marker of one point in its style; only called while the pointer
    // is visible, and where markers alone all look alike, only for the last
    // of those at each pixel (LineSeriesPointer.cpp).
    virtual void DrawPointer(int ValueIndex, int X, int Y, TColor Color);
    // The point's marker style: OnGetPointerStyle's answer, else the pointer's Style.
    TSeriesPointerStyle GetPointerStyle(int ValueIndex);

    // ---- legend symbol (LineSeriesPointer.cpp): the line's pen and brush,
    // a line through the symbol (a box in 3D) and the marker on it
    TBrushStyle PrepareLegendCanvas(int ValueIndex, TColor Color) override;
    void DrawLegendShape(int ValueIndex, const TRect& Rect) override;
    // |SeriesHeight3D / SeriesWidth3D|, or 1 without width.
    double GetDark3DRatio() const;

    // ---- click test (LineSeriesClicked.cpp)
    // The point under the pixel, or the first point of the segment under it; -1 for none.
    int Clicked(int X, int Y) override;
    // The marker of the point drawn at (PX, PY) covers (X, Y).
    bool ClickedPointer(int ValueIndex, int PX, int PY, int X, int Y);

protected:
    void SetDrawLine(bool Value) { FDrawLine = Value; }
    // Runs of dense points in one pixel column are drawn as the rows their
    // segments set together; a style whose segments are more than a thin
    // line (an area below it) draws every segment instead.
    virtual bool MergesDenseColumns() const { return true; }

private:
    // Both margins of one pair grow to the room thick stairs and the outline take.
    void LineMargins(int& Low, int& High) const;
    bool PointerVisible() const { return FPointer->GetVisible(); }
    // A pass in Colour (clDefault: the series colour) with Pen.
    TLinePass NewPass(TColor Colour, const TChartPen& Pen, bool Markers);
    // The visible points of a pass, a run at a time.
    void DrawPass(TLinePass& Pass);
    // The pass draws markers alone, all alike, each covering exactly an
    // earlier one at its pixel: only the last at each pixel shows.
    bool OnlyLastMarkersShow(const TLinePass& Pass) const;
    // Those last markers, in drawing order.
    void DrawLastMarkers(TLinePass& Pass);
    // The markers start from a black pen and a brush in the point's colour.
    void StartMarker(TLinePass& Pass, TColor Color);
    // The points of a run from slot From on that go on in the current column
    // in the prepared colour, drawn at once; the slot after them.
    int MergeColumn(TLinePass& Pass, std::span<const int> PixelX, std::span<const int> PixelY, int Low,
                    int From, int Stop);
    // One point: the segment from the point drawn last, or the edge segment
    // into the plot, and the markers.
    void DrawPoint(TLinePass& Pass, int ValueIndex, TColor Color, int X, int Y);
    // The plot edge the points before the first visible one lie beyond.
    int NearEdgeX() const;
    // The pixel height where the line from point Before to point After
    // crosses the plot's vertical edge at pixel EdgeX.
    int EdgeY(const TLinePass& Pass, int Before, int After, int EdgeX) const;
    // The colour a segment ending in a point of colour Color takes.
    TColor SegmentColor(const TLinePass& Pass, TColor Color) const;
    void DrawSegment(TLinePass& Pass, int ValueIndex, int X, int Y, TColor Color, bool WithMarkers,
                     bool IsLast);
    void DrawSegment2D(TLinePass& Pass, int X, int Y, TColor Color);
    // Rows of column X that segments set, drawn where the pass' pen has not set them yet.
    void DrawColumnRows(TLinePass& Pass, int X, TColumnRows Rows);
    void DrawSegment3D(TLinePass& Pass, int X, int Y, TColor Color, bool IsLast);
    void DrawStairs3D(TLinePass& Pass, int X, int Y);
    // The brush darkened for the steep and vertical pieces of the 3D line.
    void DarkenBrush(TCanvas3D* Canvas, TColor Color);
    // The 2D pen of a segment, transferred only when it changed.
    void PrepareSegment(TLinePass& Pass, TColor Color);
    void PrepareCanvas(TCanvas3D* Canvas, const TChartPen& Pen, TColor Color);

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
    TValuePoints FValuePoints{*this};
    TStackedPoints FStackedPoints{*this};
    // Where the line has got to while a chart draws the series point by point.
    TLineProgress FPointByPoint;
    // Reused by every paint of markers alone.
    TMarkerSieve FMarkerSieve;
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
