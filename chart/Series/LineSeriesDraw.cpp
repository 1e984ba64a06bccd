// Drawing of line-style series: the shadow, outline and line passes over the
// visible points, one line call per segment (two per stair step), nulls
// cutting the line on both sides, and the segment into the plot cut exactly
// at its near edge. Nothing here allocates per point.
#include "chart/DaZezava/AxisPanel.h"
#include "chart/RoVedure/DrawSettings.h"
#include "chart/Series/ColumnRun.h"
#include "chart/Series/LineSeries.h"
#include "framework/ScopedValue.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>
#include <typeinfo>

namespace vur {

namespace {

// The callout length and its distance: the room a mark takes above its point.
int MarkLength(TSeriesMarks* Marks) {
    TMarksCallout* Callout = Marks->GetCallout();
    return Callout->GetLength() + Callout->GetDistance();
}

// Shifts a series' axes for the length of a pass, and back even when the
// pass throws.
class TAxisShift {
public:
    TAxisShift(TChartAxis* Horizontal, int DX, TChartAxis* Vertical, int DY)
        : FHorizontal(Horizontal), FVertical(Vertical), FDX(DX), FDY(DY) {
        FHorizontal->ShiftPixels(FDX);
        FVertical->ShiftPixels(FDY);
    }
    ~TAxisShift() {
        FVertical->ShiftPixels(-FDY);
        FHorizontal->ShiftPixels(-FDX);
    }
    TAxisShift(const TAxisShift&) = delete;
    TAxisShift& operator=(const TAxisShift&) = delete;

private:
    TChartAxis* FHorizontal;
    TChartAxis* FVertical;
    int FDX;
    int FDY;
};

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
    // Thick stair corners and the outline reach past the points.
    int Room = 0;
    if (FStairs) Room = BoundSetting(GetLinePen()->GetWidth());
    if (FOutLine->GetVisible()) Room = std::max(Room, BoundSetting(FOutLine->GetWidth()));
    Low = std::max(Low, Room);
    High = std::max(High, Room);
}

// ---------------------------------------------------------------- passes

void TCustomSeries::DrawAllValues() {
    FPrepared = {};
    FColumn.X = NoColumn;
    if (FShadow->GetSize() != 0) DrawShadowPass();
    if (FOutLine->GetVisible()) DrawOutLinePass();
    RunPass();
}

void TCustomSeries::RunPass() {
    TCustomAxisPanel* Chart = GetParentChart();
    TPassState Pass;
    Pass.Canvas = Chart->GetCanvas();
    Pass.Forward = DrawValuesForward();
    Pass.FirstDisplayed = Pass.Forward ? FFirstVisibleIndex : FLastVisibleIndex;
    Pass.Columns = !Chart->GetView3D() && FDrawLine && !FStairs && !PointerVisible() &&
                   Pass.Canvas != nullptr && !Pass.Canvas->GetMonochrome();
    Pass.OwnColours = GetColorEachPoint() && FColorEachLine;
    Pass.LineColour = LineColor();
    const TScopedValue<TPassState> Scope(FPass, Pass);
    if (PlainPoints())
        DrawBlocks();
    else
        TCustomLineSeries::DrawAllValues();
}

bool TCustomSeries::PlainPoints() const {
    // A class of its own may place or colour its points differently.
    const std::type_info& Class = typeid(*this);
    return Class == typeid(TLineSeries) || Class == typeid(TCustomSeries);
}

void TCustomSeries::DrawBlocks() {
    if (FFirstVisibleIndex < 0 || FLastVisibleIndex < FFirstVisibleIndex) return;
    const TChartValueList* XList = GetXValues();
    const TChartValueList* YList = GetYValues();
    const TChartAxis* Horizontal = GetHorizontalAxis();
    const TChartAxis* Vertical = GetVerticalAxis();
    // Without a colour list or a value that is not a number (a gap) every
    // point takes the pass's line colour.
    const bool PointColours =
        GetColorList() != nullptr || GetColorEachPoint() || GetMandatoryValueList()->NonFiniteCount() > 0;
    const TColor Colour = LineColor();
    const bool Columns = FPass.Columns && !PointColours && Colour != clNone;
    const int Step = FPass.Forward ? 1 : -1;
    const int End = (FPass.Forward ? FLastVisibleIndex : FFirstVisibleIndex) + Step;
    std::array<int, TChartValueList::CapacityStep> PixelX;
    std::array<int, TChartValueList::CapacityStep> PixelY;
    int Index = FPass.FirstDisplayed;
    while (Index != End) {
        const std::span<const double> Xs = XList->BlockOf(Index);
        const std::span<const double> Ys = YList->BlockOf(Index);
        const int Start = Index - Index % TChartValueList::CapacityStep;
        const int Stop =
            FPass.Forward ? std::min(End, Start + static_cast<int>(Xs.size())) : std::max(End, Start - 1);
        // The whole block's pixels first: the mapping runs without the
        // drawing's branches in between.
        const auto Low = static_cast<std::size_t>(std::min(Index, Stop - Step) - Start);
        const auto Length = static_cast<std::size_t>(std::abs(Stop - Index));
        Horizontal->CalcPosValues(Xs.subspan(Low, Length), std::span(PixelX).subspan(Low, Length), true);
        Vertical->CalcPosValues(Ys.subspan(Low, Length), std::span(PixelY).subspan(Low, Length), false);
        while (Index != Stop) {
            const auto Slot = static_cast<std::size_t>(Index - Start);
            if (Columns && PixelX[Slot] == FColumn.X && PixelX[Slot] == FPreviousX &&
                FPreviousColor != clNone && Index != FPass.FirstDisplayed &&
                FPass.LineColour == FPrepared.Color) {
                Index = DrawColumnRun(PixelX, PixelY, Start, Index, Stop);
                continue;
            }
            DrawPlacedValue(Index, PointColours ? TCustomSeries::GetValueColor(Index) : Colour, PixelX[Slot],
                            PixelY[Slot]);
            Index += Step;
        }
    }
}

int TCustomSeries::DrawColumnRun(std::span<const int> PixelX, std::span<const int> PixelY, int Start,
                                 int Index, int Stop) {
    // DrawPlacedValue's column case for every point up to the next column:
    // the rows their segments set together, drawn where the column has none
    // yet. The thin copy pen makes that the picture of one call per segment.
    const int Step = FPass.Forward ? 1 : -1;
    const int X = FColumn.X;
    const int From = Index - Start;
    const int End = ColumnRunEnd(PixelX, From, Stop - Start, Step, X);
    const TColumnRows Rows = ColumnRunRows(FPreviousY, PixelY, From, End, Step);
    if (!Rows.Empty()) {
        if (Rows.First < FColumn.Low) FPass.Canvas->Line(X, Rows.First, X, FColumn.Low);
        if (Rows.Last > FColumn.High) FPass.Canvas->Line(X, FColumn.High + 1, X, Rows.Last + 1);
        FColumn.Low = std::min(FColumn.Low, Rows.First);
        FColumn.High = std::max(FColumn.High, Rows.Last);
    }
    FPreviousY = PixelY[static_cast<std::size_t>(End - Step)];
    return Start + End;
}

void TCustomSeries::DrawShadowPass() {
    const TAxisShift Shift(GetHorizontalAxis(), FShadow->GetHorizSize(), GetVerticalAxis(),
                           FShadow->GetVertSize());
    const TScopedValue<bool> NoMarkers(FPointerHidden, true);
    DrawPass(FShadow->GetColor());
}

void TCustomSeries::DrawOutLinePass() {
    // A wider copy of the outline pen, so that neither the line pen nor the
    // outline changes (and asks for a repaint) during the paint.
    FPassPen.Assign(FOutLine.get());
    FPassPen.SetWidth(2 * BoundSetting(GetLinePen()->GetWidth()) + BoundSetting(FOutLine->GetWidth()) + 1);
    const TScopedValue<const TChartPen*> Pen(FDrawPen, &FPassPen);
    DrawPass(FOutLine->GetColor());
}

void TCustomSeries::DrawPass(TColor PassColor) {
    const TScopedValue<TColor> Color(FPassColor, PassColor);
    RunPass();
}

TColor TCustomSeries::GetValueColor(int Index) const {
    if (FPassColor == clDefault || GetColorEachPoint() || !std::isfinite(GetMarkValue(Index)))
        return TCustomLineSeries::GetValueColor(Index);
    const std::vector<TColor>* Colors = GetColorList();
    const TColor Stored = Colors != nullptr && Index >= 0 && Index < static_cast<int>(Colors->size())
                              ? (*Colors)[static_cast<std::size_t>(Index)]
                              : clDefault;
    return Stored == clDefault ? FPassColor : Stored;
}

// ---------------------------------------------------------------- one point

void TCustomSeries::DrawValue(int ValueIndex) {
    DrawPlacedValue(ValueIndex, GetValueColor(ValueIndex), CalcXPos(ValueIndex), CalcYPos(ValueIndex));
}

void TCustomSeries::DrawPlacedValue(int ValueIndex, TColor Color, int X, int Y) {
    if (FPass.Columns && X == FPreviousX && X == FColumn.X && Color != clNone && FPreviousColor != clNone &&
        ValueIndex != FPass.FirstDisplayed &&
        (FPass.OwnColours ? Color : FPass.LineColour) == FPrepared.Color) {
        // Dense data: one more segment in the column the prepared pen is
        // drawing, which is all the general path below would do with it.
        if (Y != FPreviousY) DrawColumnSegment(FPass.Canvas, X, Y);
        FPreviousY = Y;
        FPreviousColor = Color;
        return;
    }
    DrawPoint(ValueIndex, Color, X, Y);
}

void TCustomSeries::DrawPoint(int ValueIndex, TColor Color, int X, int Y) {
    TCustomAxisPanel* Chart = GetParentChart();
    TCanvas3D* Canvas = Chart->GetCanvas();
    // The markers start from a black pen and a brush in the point's colour;
    // without markers every segment sets its own pen and brush anyway.
    if (PointerVisible()) {
        TPen* Pen = Canvas->GetPen();
        if (Pen->GetColor() != clBlack) Pen->SetColor(clBlack);
        TBrush* Brush = Canvas->GetBrush();
        if (Brush->GetColor() != Color) Brush->SetColor(Color);
    }

    if (FPreviousColor == clNone) {
        FPreviousX = X;
        FPreviousY = Y;
    }
    const bool Forward = FPass.Canvas != nullptr ? FPass.Forward : DrawValuesForward();
    const int FirstDisplayed = Forward ? FFirstVisibleIndex : FLastVisibleIndex;
    const bool IsLast = ValueIndex == (Forward ? FLastVisibleIndex : FFirstVisibleIndex);
    if (ValueIndex == FirstDisplayed) {
        if (FDark3D) {
            const int Width = Chart->GetSeriesWidth3D();
            FDark3DRatio =
                Width == 0 ? 1.0 : std::abs(static_cast<double>(Chart->GetSeriesHeight3D()) / Width);
        }
        if (Forward && ValueIndex == FFirstVisibleIndex && ValueIndex > 0) {
            // The line comes in from a point before the plot: start it on the edge.
            const int Before = ValueIndex - 1;
            FPreviousX = NearEdgeX();
            FPreviousY = FStairs ? CalcYPos(Before) : EdgeY(Before, ValueIndex, FPreviousX);
            if (!IsNull(Before)) DrawSegment(ValueIndex, X, Y, Color, false, IsLast);
        }
        if (IsLast && PointerVisible()) DrawPointer(ValueIndex, X, Y, Color);
    } else {
        DrawSegment(ValueIndex, X, Y, Color, true, IsLast);
    }
    FPreviousX = X;
    FPreviousY = Y;
    FPreviousColor = Color;
    if (!Forward && ValueIndex == FFirstVisibleIndex && ValueIndex > 0) {
        // Drawing backwards the point before the plot comes last: the line
        // goes on from here to the edge, in that point's colour.
        const int Before = ValueIndex - 1;
        const int EdgeX = NearEdgeX();
        if (!IsNull(Before))
            DrawSegment(ValueIndex, EdgeX, FStairs ? CalcYPos(Before) : EdgeY(Before, ValueIndex, EdgeX),
                        GetValueColor(Before), false, false);
    }
}

int TCustomSeries::NearEdgeX() const {
    const TRect& R = GetParentChart()->GetChartRect();
    return GetHorizontalAxis()->GetInverted() ? R.Right : R.Left;
}

int TCustomSeries::EdgeY(int Before, int After, int EdgeX) const {
    const double X0 = GetxValue(Before);
    const double Y0 = GetyValue(Before);
    const double X1 = GetxValue(After);
    const double Y1 = GetyValue(After);
    if (X1 == X0) return CalcYPosValue(Y0);
    const double V = GetHorizontalAxis()->CalcPosPoint(EdgeX);
    // A logarithmic axis draws the segment straight in log space; values
    // without a logarithm fall back to the straight line in values.
    if (GetVerticalAxis()->GetLogarithmic() && Y0 > 0 && Y1 > 0) {
        const double L0 = std::log(Y0);
        return CalcYPosValue(std::exp(L0 + (V - X0) * (std::log(Y1) - L0) / (X1 - X0)));
    }
    return CalcYPosValue(Y0 + (V - X0) * (Y1 - Y0) / (X1 - X0));
}

// ---------------------------------------------------------------- one segment

void TCustomSeries::DrawSegment(int ValueIndex, int X, int Y, TColor Color, bool WithMarkers, bool IsLast) {
    TCustomAxisPanel* Chart = GetParentChart();
    if ((X != FPreviousX || Y != FPreviousY) && Color != clNone && FDrawLine) {
        if (Chart->GetView3D())
            DrawSegment3D(Chart->GetCanvas(), X, Y, Color, IsLast);
        else
            DrawSegment2D(Chart->GetCanvas(), X, Y, Color);
    }
    if (!WithMarkers || !PointerVisible()) return;
    // A marker goes on top of the segment that leaves its point.
    if (FPreviousColor != clNone)
        DrawPointer(DrawValuesForward() ? ValueIndex - 1 : ValueIndex + 1, FPreviousX, FPreviousY,
                    FPreviousColor);
    if (IsLast && Color != clNone) DrawPointer(ValueIndex, X, Y, Color);
}

void TCustomSeries::DrawSegment2D(TCanvas3D* Canvas, int X, int Y, TColor Color) {
    LinePrepareCanvas(Canvas, GetColorEachPoint() && FColorEachLine ? Color : LineColor());
    if (!FStairs) {
        if (X == FPreviousX && FThinPen && !PointerVisible()) {
            DrawColumnSegment(Canvas, X, Y);
            return;
        }
        FColumn.X = NoColumn;
        Canvas->Line(FPreviousX, FPreviousY, X, Y);
        return;
    }
    if (FInvertedStairs)
        Canvas->DoVertLine(FPreviousX, FPreviousY, Y);
    else
        Canvas->DoHorizLine(FPreviousX, X, FPreviousY);
    Canvas->LineTo(X, Y);
}

void TCustomSeries::DrawColumnSegment(TCanvas3D* Canvas, int X, int Y) {
    // The pixels a vertical line sets: from its start up to the row before its end.
    const int Before = Y > FPreviousY ? Y - 1 : Y + 1;
    const int Low = std::min(FPreviousY, Before);
    const int High = std::max(FPreviousY, Before);
    if (FColumn.X == X) {
        // Dense data sends many segments through one column; a segment whose
        // pixels the same pen has already set in this pass changes nothing.
        if (FColumn.Low <= Low && High <= FColumn.High) return;
        // The segment starts where the last one ended: the rows stay one run.
        FColumn.Low = std::min(FColumn.Low, Low);
        FColumn.High = std::max(FColumn.High, High);
    } else {
        FColumn = {X, Low, High};
    }
    Canvas->Line(FPreviousX, FPreviousY, X, Y);
}

void TCustomSeries::DrawSegment3D(TCanvas3D* Canvas, int X, int Y, TColor Color, bool IsLast) {
    LinePrepareCanvas(Canvas, FColorEachLine ? Color : LineColor());
    if (FStairs) {
        DrawStairs3D(Canvas, X, Y);
        return;
    }
    const int StartZ = GetStartZ();
    const int EndZ = GetEndZ();
    TPoint P0{FPreviousX, FPreviousY};
    TPoint P1{X, Y};
    if (FLineHeight > 0) {
        Canvas->PlaneWithZ(P1, P0, TPoint{P0.X, P0.Y + FLineHeight}, TPoint{P1.X, P1.Y + FLineHeight},
                           StartZ);
        if (IsLast) Canvas->Plane3D(P1, TPoint{P1.X, P1.Y + FLineHeight}, StartZ, EndZ);
    }
    const TColor BrushColor = Canvas->GetBrush()->GetColor();
    const bool Steep = FDark3D && !Canvas->GetSupportsFullRotation() && P1.X != P0.X &&
                       static_cast<double>(P0.Y - P1.Y) / (P1.X - P0.X) > FDark3DRatio;
    if (Steep) {
        DarkenBrush(Canvas, BrushColor);
        P0.Y += FLineHeight;
        P1.Y += FLineHeight;
    }
    Canvas->Plane3D(P1, P0, StartZ, EndZ);
    if (Steep) Canvas->GetBrush()->SetColor(BrushColor);
}

void TCustomSeries::DrawStairs3D(TCanvas3D* Canvas, int X, int Y) {
    const int StartZ = GetStartZ();
    const int EndZ = GetEndZ();
    const TColor BrushColor = Canvas->GetBrush()->GetColor();
    const auto Vertical = [&](int AtX, int Y0, int Y1) {
        if (FDark3D) DarkenBrush(Canvas, BrushColor);
        Canvas->Plane3D(TPoint{AtX, Y0}, TPoint{AtX, Y1}, StartZ, EndZ);
        if (FDark3D) Canvas->GetBrush()->SetColor(BrushColor);
    };
    if (FInvertedStairs) {
        Vertical(FPreviousX, FPreviousY, Y);
        Canvas->Plane3D(TPoint{FPreviousX, Y}, TPoint{X, Y}, StartZ, EndZ);
    } else {
        Canvas->Plane3D(TPoint{FPreviousX, FPreviousY}, TPoint{X, FPreviousY}, StartZ, EndZ);
        Vertical(X, Y, FPreviousY);
    }
}

void TCustomSeries::DarkenBrush(TCanvas3D* Canvas, TColor Color) {
    if (Canvas->GetMonochrome())
        Canvas->GetBrush()->SetColor(clWhite);
    else
        Canvas->InternalDark(Color, VurDrawSettings().DarkColorQuantity);
}

void TCustomSeries::LinePrepareCanvas(TCanvas3D* Canvas, TColor Color) {
    if (Canvas->GetMonochrome()) Color = clWhite;
    TBrush* Brush = Canvas->GetBrush();
    if (!GetParentChart()->GetView3D()) {
        if (Brush->GetStyle() != bsClear) Brush->SetStyle(bsClear);
        // The pen transfer costs more than a short segment: skip it while
        // neither pen changed since the last one.
        const TPen* Pen = Canvas->GetPen();
        const TPreparedPen Wanted{Pen, Pen->GetVersion(), FDrawPen, FDrawPen->GetVersion(), Color};
        if (Wanted == FPrepared) return;
        Canvas->AssignVisiblePenColor(FDrawPen, Color);
        FPrepared = Wanted;
        FPrepared.CanvasPenVersion = Pen->GetVersion();
        FThinPen = Pen->GetWidth() <= 1 && Pen->GetStyle() == psSolid && Pen->GetMode() == pmCopy &&
                   !FDrawPen->GetSmallDots();
        FColumn.X = NoColumn;
        return;
    }
    if (const auto* Picture = dynamic_cast<const TBitmap*>(GetBrush()->GetImageGraphic())) {
        Brush->SetBitmap(Picture);
    } else {
        if (Brush->HasBitmap()) Brush->SetBitmap(nullptr);
        if (Brush->GetStyle() != FLineBrush) Brush->SetStyle(FLineBrush);
        if (Brush->GetColor() != Color) Brush->SetColor(Color);
    }
    Canvas->AssignVisiblePen(FDrawPen);
}

} // namespace vur
