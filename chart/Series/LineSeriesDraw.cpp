// Drawing of line-style series up to the segments: the shadow, outline and
// line passes, each a walk over the visible points a run at a time (points
// from the series' source, pixels from the axes' mappings), with runs in one
// pixel column merged into the rows their segments set; then each point with
// the segment from the point before it (LineSegments.cpp), nulls cutting the
// line on both sides and the segment into the plot cut exactly at its near
// edge. Nothing here allocates per point.
#include "chart/DaZezava/AxisPanel.h"
#include "chart/Series/ColumnRun.h"
#include "chart/Series/LineSeries.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <span>

namespace vur {

namespace {

// The callout length and its distance: the room a mark takes above its point.
int MarkLength(TSeriesMarks* Marks) {
    TMarksCallout* Callout = Marks->GetCallout();
    return Callout->GetLength() + Callout->GetDistance();
}

// Points are mapped this many at a time: a block of the value lists, so that
// a source can hand out its values as they are stored.
constexpr int RunLength = TChartValueList::CapacityStep;

// Maps the points from First on, stepping by Step up to End, a run at a
// time: Visit(Low, From, Stop, Xs, Ys) gets the run's indices From up to
// Stop, whose pixels Xs and Ys hold from index Low on.
template <class TVisit>
void WalkRuns(const TLinePass& Pass, int First, int End, int Step, TVisit&& Visit) {
    std::array<double, RunLength> XScratch;
    std::array<double, RunLength> YScratch;
    std::array<int, RunLength> PixelX;
    std::array<int, RunLength> PixelY;
    const TSeriesPoints& Points = *Pass.Points;
    for (int Index = First; Index != End;) {
        // The run: from Index to the end of its block in walking order,
        // mapped all at once before any of it is used.
        const int BlockStart = Index - Index % RunLength;
        const int Stop = Step > 0 ? std::min(End, BlockStart + RunLength) : std::max(End, BlockStart - 1);
        const int Low = std::min(Index, Stop - Step);
        const auto Count = static_cast<std::size_t>(std::abs(Stop - Index));
        const std::span<int> Xs = std::span(PixelX).first(Count);
        const std::span<int> Ys = std::span(PixelY).first(Count);
        Pass.X.Map(Points.Values(true, Low, static_cast<int>(Count), XScratch), Xs);
        Pass.Y.Map(Points.Values(false, Low, static_cast<int>(Count), YScratch), Ys);
        Visit(Low, Index, Stop, std::span<const int>(Xs), std::span<const int>(Ys));
        Index = Stop;
    }
}

} // namespace

// ---------------------------------------------------------------- depth and margins

void TCustomSeries::CalcZOrder() {
    if (FStacked == cssNone) {
        TCustomLineSeries::CalcZOrder();
        return;
    }
    SetCalcZOrder(GetParentChart()->GetMaxZOrder());
}

void TCustomSeries::CalcHorizMargins(int& LeftMargin, int& RightMargin) const {
    LeftMargin = RightMargin = 0;
    FPointer->CalcHorizMargins(LeftMargin, RightMargin);
    LineMargins(LeftMargin, RightMargin);
    if (!GetYMandatory() && GetMarks()->GetVisible())
        RightMargin = std::max(RightMargin, MarkLength(GetMarks()));
}

void TCustomSeries::CalcVerticalMargins(int& TopMargin, int& BottomMargin) const {
    TopMargin = BottomMargin = 0;
    FPointer->CalcVerticalMargins(TopMargin, BottomMargin);
    LineMargins(TopMargin, BottomMargin);
    if (GetYMandatory() && GetMarks()->GetVisible()) TopMargin = std::max(TopMargin, MarkLength(GetMarks()));
    const TCustomAxisPanel* Chart = GetParentChart();
    if (Chart != nullptr && Chart->GetView3D() && FLineHeight > 0)
        BottomMargin = std::max(BottomMargin, FLineHeight);
}

void TCustomSeries::LineMargins(int& Low, int& High) const {
    if (!FDrawLine) return;
    // Thick stair corners and the outline reach past the points; a pen
    // width is a setting like any other size and bounded as one.
    int Room = 0;
    if (FStairs) Room = BoundSetting(GetLinePen()->GetWidth());
    if (FOutLine->GetVisible()) Room = std::max(Room, BoundSetting(FOutLine->GetWidth()));
    Low = std::max(Low, Room);
    High = std::max(High, Room);
}

// ---------------------------------------------------------------- the point source

const TSeriesPoints& TCustomSeries::GetPoints() const {
    if (FStacked == cssStack || FStacked == cssStack100) return FStackedPoints;
    return FValuePoints;
}

int TCustomSeries::CalcXPos(int ValueIndex) const {
    return CalcXPosValue(GetPoints().Value(true, ValueIndex));
}

int TCustomSeries::CalcYPos(int ValueIndex) const {
    return CalcYPosValue(GetPoints().Value(false, ValueIndex));
}

double TCustomSeries::GetDark3DRatio() const {
    const TCustomAxisPanel* Chart = GetParentChart();
    const int Width = Chart->GetSeriesWidth3D();
    return Width == 0 ? 1.0 : std::abs(static_cast<double>(Chart->GetSeriesHeight3D()) / Width);
}

// ---------------------------------------------------------------- passes

void TCustomSeries::DrawAllValues() {
    if (FFirstVisibleIndex < 0 || FLastVisibleIndex < FFirstVisibleIndex) return;
    if (FShadow->GetSize() != 0) {
        // The shadow draws through the axes moved by its offsets, without markers.
        TLinePass Pass = NewPass(FShadow->GetColor(), *GetLinePen(), false);
        Pass.X = Pass.X.Shifted(FShadow->GetHorizSize());
        Pass.Y = Pass.Y.Shifted(FShadow->GetVertSize());
        Pass.ShiftX = FShadow->GetHorizSize();
        DrawPass(Pass);
    }
    if (FOutLine->GetVisible()) {
        // A wider copy of the outline pen, so that neither the line pen nor the
        // outline changes (and asks for a repaint) during the paint.
        TChartPen Pen;
        Pen.Assign(FOutLine.get());
        // Widths near the end of int saturate instead of wrapping.
        const std::int64_t Width = 2 * std::int64_t{GetLinePen()->GetWidth()} + FOutLine->GetWidth() + 1;
        Pen.SetWidth(static_cast<int>(std::min<std::int64_t>(Width, std::numeric_limits<int>::max())));
        TLinePass Pass = NewPass(FOutLine->GetColor(), Pen, PointerVisible());
        DrawPass(Pass);
    }
    TLinePass Pass = NewPass(clDefault, *GetLinePen(), PointerVisible());
    DrawPass(Pass);
}

TLinePass TCustomSeries::NewPass(TColor Colour, const TChartPen& Pen, bool Markers) {
    TCustomAxisPanel* Chart = GetParentChart();
    TLinePass Pass;
    Pass.Canvas = Chart->GetCanvas();
    Pass.Points = &GetPoints();
    Pass.Uniform = Pass.Points->Uniform();
    Pass.X = GetHorizontalAxis()->GetMapping().X;
    Pass.Y = GetVerticalAxis()->GetMapping().Y;
    Pass.Pen = &Pen;
    Pass.Colour = Colour == clDefault ? GetSeriesColor() : Colour;
    Pass.Markers = Markers;
    Pass.Is3D = Chart->GetView3D();
    Pass.LinesDrawn = FDrawLine && (Pass.Is3D || (Pen.GetVisible() && Pen.GetStyle() != psClear));
    Pass.Forward = DrawValuesForward();
    Pass.FirstDisplayed = Pass.Forward ? FFirstVisibleIndex : FLastVisibleIndex;
    Pass.Dark3DRatio = GetDark3DRatio();
    // Markers drawn between segments would hide rows the column rule counts as set.
    Pass.MergeColumns = !Pass.Is3D && Pass.LinesDrawn && !FStairs && !Markers && MergesDenseColumns();
    return Pass;
}

void TCustomSeries::DrawPass(TLinePass& Pass) {
    if (OnlyLastMarkersShow(Pass)) {
        DrawLastMarkers(Pass);
        return;
    }
    const TSeriesPoints& Points = *Pass.Points;
    const int Step = Pass.Forward ? 1 : -1;
    const int End = (Pass.Forward ? FLastVisibleIndex : FFirstVisibleIndex) + Step;
    WalkRuns(Pass, Pass.FirstDisplayed, End, Step,
             [&](int Low, int Index, int Stop, std::span<const int> Xs, std::span<const int> Ys) {
                 while (Index != Stop) {
                     const auto Slot = static_cast<std::size_t>(Index - Low);
                     const TColor Colour = Pass.Uniform ? Pass.Colour : Points.Colour(Index, Pass.Colour);
                     const TLineProgress& Line = Pass.Line;
                     if (Pass.MergeColumns && Xs[Slot] == Pass.Column.X && Xs[Slot] == Line.PreviousX &&
                         Colour != clNone && Line.PreviousColor != clNone && Index != Pass.FirstDisplayed &&
                         SegmentColor(Pass, Colour) == Pass.Prepared.Color) {
                         Index = Low + MergeColumn(Pass, Xs, Ys, Low, Index - Low, Stop - Low);
                         continue;
                     }
                     DrawPoint(Pass, Index, Colour, Xs[Slot], Ys[Slot]);
                     Index += Step;
                 }
             });
}

bool TCustomSeries::OnlyLastMarkersShow(const TLinePass& Pass) const {
    // Every marker of the pass must set its pixels to colours that depend
    // only on where they are: one look, no blend, no raster operation
    // reading the picture, no dash pattern running on from marker to marker.
    if (!Pass.Markers || Pass.LinesDrawn || Pass.Is3D || !Pass.Uniform || OnGetPointerStyle) return false;
    if (FPointer->GetTransparency() != 0 || FPointer->GetGradient()->GetVisible()) return false;
    const TChartPen* Pen = FPointer->GetPen();
    // A hidden marker pen leaves the canvas' mode to the brush.
    if (!Pen->GetVisible()) return Pass.Canvas->GetPen()->GetMode() == pmCopy;
    return Pen->GetStyle() == psSolid && Pen->GetMode() == pmCopy && !Pen->GetSmallDots();
}

void TCustomSeries::DrawLastMarkers(TLinePass& Pass) {
    // Against the drawing order the sieve keeps the last marker at each pixel.
    const int Step = Pass.Forward ? -1 : 1;
    const int First = Pass.Forward ? FLastVisibleIndex : FFirstVisibleIndex;
    const int End = (Pass.Forward ? FFirstVisibleIndex : FLastVisibleIndex) + Step;
    FMarkerSieve.Start(GetParentChart()->GetChartRect());
    WalkRuns(Pass, First, End, Step,
             [&](int Low, int Index, int Stop, std::span<const int> Xs, std::span<const int> Ys) {
                 for (; Index != Stop; Index += Step) {
                     const auto Slot = static_cast<std::size_t>(Index - Low);
                     FMarkerSieve.Offer(Index, Xs[Slot], Ys[Slot]);
                 }
             });
    const std::span<const TSievedMarker> Kept = FMarkerSieve.Kept();
    StartMarker(Pass, Pass.Colour);
    // All alike: the pen and brush are set up once for the lot.
    FPointer->PrepareCanvas(Pass.Canvas, Pass.Colour);
    const int H = FPointer->GetHorizSize(), V = FPointer->GetVertSize();
    for (auto Marker = Kept.rbegin(); Marker != Kept.rend(); ++Marker)
        FPointer->DrawPointer(Pass.Canvas, false, Marker->X, Marker->Y, H, V, Pass.Colour,
                              FPointer->GetStyle());
}

int TCustomSeries::MergeColumn(TLinePass& Pass, std::span<const int> PixelX, std::span<const int> PixelY,
                               int Low, int From, int Stop) {
    // The points that go on in the column in the prepared colour: the rows
    // their segments set together are one span, drawn where the column has
    // none yet. The thin copy pen makes that the picture of one call per segment.
    const int Step = Pass.Forward ? 1 : -1;
    const int X = Pass.Column.X;
    int End = ColumnRunEnd(PixelX, From, Stop, Step, X);
    TColor Last = Pass.Colour;
    if (!Pass.Uniform) {
        int Slot = From;
        for (; Slot != End; Slot += Step) {
            const TColor Colour = Pass.Points->Colour(Low + Slot, Pass.Colour);
            if (Colour == clNone || SegmentColor(Pass, Colour) != Pass.Prepared.Color) break;
            Last = Colour;
        }
        End = Slot;
    }
    DrawColumnRows(Pass, X, ColumnRunRows(Pass.Line.PreviousY, PixelY, From, End, Step));
    Pass.Line.PreviousY = PixelY[static_cast<std::size_t>(End - Step)];
    Pass.Line.PreviousColor = Last;
    return End;
}

// ---------------------------------------------------------------- one point

void TCustomSeries::DoBeforeDrawValues() {
    FPointByPoint = {};
    TCustomLineSeries::DoBeforeDrawValues();
}

void TCustomSeries::DrawValue(int ValueIndex) {
    TLinePass Pass = NewPass(clDefault, *GetLinePen(), PointerVisible());
    Pass.Line = FPointByPoint;
    const TSeriesPoints& Points = *Pass.Points;
    DrawPoint(Pass, ValueIndex, Points.Colour(ValueIndex, Pass.Colour),
              Pass.X.Map(Points.Value(true, ValueIndex)), Pass.Y.Map(Points.Value(false, ValueIndex)));
    FPointByPoint = Pass.Line;
}

void TCustomSeries::StartMarker(TLinePass& Pass, TColor Color) {
    TPen* Pen = Pass.Canvas->GetPen();
    if (Pen->GetColor() != clBlack) Pen->SetColor(clBlack);
    TBrush* Brush = Pass.Canvas->GetBrush();
    if (Brush->GetColor() != Color) Brush->SetColor(Color);
}

void TCustomSeries::DrawPoint(TLinePass& Pass, int ValueIndex, TColor Color, int X, int Y) {
    TLineProgress& Line = Pass.Line;
    // Without markers every segment sets its own pen and brush.
    if (Pass.Markers) StartMarker(Pass, Color);
    if (Line.PreviousColor == clNone) {
        Line.PreviousX = X;
        Line.PreviousY = Y;
    }
    const TSeriesPoints& Points = *Pass.Points;
    const bool IsLast = ValueIndex == (Pass.Forward ? FLastVisibleIndex : FFirstVisibleIndex);
    const bool FromBeyondEdge = ValueIndex == FFirstVisibleIndex && ValueIndex > 0;
    const int Before = ValueIndex - 1;
    if (ValueIndex == Pass.FirstDisplayed) {
        if (Pass.Forward && FromBeyondEdge) {
            // The line comes in from a point before the plot: start it on the edge.
            Line.PreviousX = NearEdgeX();
            Line.PreviousY = EdgeY(Pass, Before, ValueIndex, Line.PreviousX);
            if (Points.Colour(Before, Pass.Colour) != clNone)
                DrawSegment(Pass, ValueIndex, X, Y, Color, false, IsLast);
        }
        if (IsLast && Pass.Markers) DrawPointer(ValueIndex, X, Y, Color);
    } else {
        DrawSegment(Pass, ValueIndex, X, Y, Color, true, IsLast);
    }
    Line.PreviousX = X;
    Line.PreviousY = Y;
    Line.PreviousColor = Color;
    if (!Pass.Forward && FromBeyondEdge) {
        // Drawing backwards the point before the plot comes last: the line
        // goes on from here to the edge, in that point's colour.
        const TColor BeforeColor = Points.Colour(Before, Pass.Colour);
        const int EdgeX = NearEdgeX();
        if (BeforeColor != clNone)
            DrawSegment(Pass, ValueIndex, EdgeX, EdgeY(Pass, Before, ValueIndex, EdgeX), BeforeColor, false,
                        false);
    }
}

int TCustomSeries::NearEdgeX() const {
    const TRect& R = GetParentChart()->GetChartRect();
    return GetHorizontalAxis()->GetInverted() ? R.Right : R.Left;
}

int TCustomSeries::EdgeY(const TLinePass& Pass, int Before, int After, int EdgeX) const {
    const TSeriesPoints& Points = *Pass.Points;
    const double Y0 = Points.Value(false, Before);
    // Stairs keep the earlier height up to the next point.
    if (FStairs) return Pass.Y.Map(Y0);
    const double X0 = Points.Value(true, Before);
    const double X1 = Points.Value(true, After);
    const double Y1 = Points.Value(false, After);
    if (X1 == X0) return Pass.Y.Map(Y0);
    // The edge pixel read back on the horizontal axis as the pass draws through it.
    const double V = GetHorizontalAxis()->CalcPosPoint(EdgeX - Pass.ShiftX);
    // A logarithmic axis draws the segment straight in log space; values
    // without a logarithm fall back to the straight line in values.
    if (GetVerticalAxis()->GetLogarithmic() && Y0 > 0 && Y1 > 0) {
        const double L0 = std::log(Y0);
        return Pass.Y.Map(std::exp(L0 + (V - X0) * (std::log(Y1) - L0) / (X1 - X0)));
    }
    return Pass.Y.Map(Y0 + (V - X0) * (Y1 - Y0) / (X1 - X0));
}

} // namespace vur
