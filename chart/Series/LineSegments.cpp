// The segments of a line series and the hook for its markers (drawn in
// LineSeriesPointer.cpp). In 2D one line call per segment (two per stair
// step), a vertical segment through the column rule; in 3D a plane through
// the series' depth slot, steep and vertical pieces darker, with a ribbon's
// front face and end. A marker goes on top of the segment that leaves its
// point.
#include "chart/DaZezava/AxisPanel.h"
#include "chart/RoVedure/DrawSettings.h"
#include "chart/Series/LineSeries.h"

#include <algorithm>

namespace vur {

TColor TCustomSeries::SegmentColor(const TLinePass& Pass, TColor Color) const {
    return GetColorEachPoint() && FColorEachLine ? Color : Pass.Colour;
}

void TCustomSeries::DrawSegment(TLinePass& Pass, int ValueIndex, int X, int Y, TColor Color, bool WithMarkers,
                                bool IsLast) {
    const TLineProgress& Line = Pass.Line;
    if ((X != Line.PreviousX || Y != Line.PreviousY) && Color != clNone && Pass.LinesDrawn) {
        if (Pass.Is3D)
            DrawSegment3D(Pass, X, Y, Color, IsLast);
        else
            DrawSegment2D(Pass, X, Y, Color);
    }
    if (!WithMarkers || !Pass.Markers) return;
    if (Line.PreviousColor != clNone)
        DrawPointer(Pass.Forward ? ValueIndex - 1 : ValueIndex + 1, Line.PreviousX, Line.PreviousY,
                    Line.PreviousColor);
    if (IsLast && Color != clNone) DrawPointer(ValueIndex, X, Y, Color);
}

// ---------------------------------------------------------------- 2D

void TCustomSeries::DrawSegment2D(TLinePass& Pass, int X, int Y, TColor Color) {
    PrepareSegment(Pass, SegmentColor(Pass, Color));
    const TLineProgress& Line = Pass.Line;
    TCanvas3D* Canvas = Pass.Canvas;
    if (!FStairs) {
        if (X == Line.PreviousX && Pass.ThinPen && !Pass.Markers) {
            DrawColumnRows(Pass, X, SegmentRows(Line.PreviousY, Y));
            return;
        }
        Pass.Column.X = NoColumn;
        Canvas->Line(Line.PreviousX, Line.PreviousY, X, Y);
        return;
    }
    if (FInvertedStairs)
        Canvas->DoVertLine(Line.PreviousX, Line.PreviousY, Y);
    else
        Canvas->DoHorizLine(Line.PreviousX, X, Line.PreviousY);
    Canvas->LineTo(X, Y);
}

void TCustomSeries::DrawColumnRows(TLinePass& Pass, int X, TColumnRows Rows) {
    // Dense data sends many segments through one column; rows the same pen
    // has set in this pass need no drawing again. The rows stay one span:
    // each segment starts where the one before it ended.
    if (Rows.Empty()) return;
    TColumnRun& Column = Pass.Column;
    if (Column.X != X) {
        Column = {X, Rows.First, Rows.Last};
        Pass.Canvas->Line(X, Rows.First, X, Rows.Last + 1);
        return;
    }
    if (Rows.First < Column.Low) Pass.Canvas->Line(X, Rows.First, X, Column.Low);
    if (Rows.Last > Column.High) Pass.Canvas->Line(X, Column.High + 1, X, Rows.Last + 1);
    Column.Low = std::min(Column.Low, Rows.First);
    Column.High = std::max(Column.High, Rows.Last);
}

void TCustomSeries::PrepareSegment(TLinePass& Pass, TColor Color) {
    // The pen transfer costs more than a short segment: skip it while
    // neither pen changed since the last one.
    const TPen* Pen = Pass.Canvas->GetPen();
    const TPreparedPen Wanted{Pen, Pen->GetVersion(), Pass.Pen, Pass.Pen->GetVersion(), Color};
    if (Wanted == Pass.Prepared) return;
    PrepareCanvas(Pass.Canvas, *Pass.Pen, Color);
    Pass.Prepared = Wanted;
    Pass.Prepared.CanvasPenVersion = Pen->GetVersion();
    Pass.ThinPen = Pen->GetWidth() <= 1 && Pen->GetStyle() == psSolid && Pen->GetMode() == pmCopy &&
                   !Pass.Pen->GetSmallDots();
    Pass.Column.X = NoColumn;
}

// ---------------------------------------------------------------- 3D

void TCustomSeries::DrawSegment3D(TLinePass& Pass, int X, int Y, TColor Color, bool IsLast) {
    TCanvas3D* Canvas = Pass.Canvas;
    PrepareCanvas(Canvas, *Pass.Pen, FColorEachLine ? Color : Pass.Colour);
    if (FStairs) {
        DrawStairs3D(Pass, X, Y);
        return;
    }
    const int StartZ = GetStartZ();
    const int EndZ = GetEndZ();
    TPoint P0{Pass.Line.PreviousX, Pass.Line.PreviousY};
    TPoint P1{X, Y};
    if (FLineHeight > 0) {
        Canvas->PlaneWithZ(P1, P0, TPoint{P0.X, P0.Y + FLineHeight}, TPoint{P1.X, P1.Y + FLineHeight},
                           StartZ);
        if (IsLast) Canvas->Plane3D(P1, TPoint{P1.X, P1.Y + FLineHeight}, StartZ, EndZ);
    }
    const TColor BrushColor = Canvas->GetBrush()->GetColor();
    const bool Steep = FDark3D && !Canvas->GetSupportsFullRotation() && P1.X != P0.X &&
                       static_cast<double>(P0.Y - P1.Y) / (P1.X - P0.X) > Pass.Dark3DRatio;
    if (Steep) {
        DarkenBrush(Canvas, BrushColor);
        P0.Y += FLineHeight;
        P1.Y += FLineHeight;
    }
    Canvas->Plane3D(P1, P0, StartZ, EndZ);
    if (Steep) Canvas->GetBrush()->SetColor(BrushColor);
}

void TCustomSeries::DrawStairs3D(TLinePass& Pass, int X, int Y) {
    TCanvas3D* Canvas = Pass.Canvas;
    const int StartZ = GetStartZ();
    const int EndZ = GetEndZ();
    const int PreviousX = Pass.Line.PreviousX;
    const int PreviousY = Pass.Line.PreviousY;
    const TColor BrushColor = Canvas->GetBrush()->GetColor();
    const auto Vertical = [&](int AtX, int Y0, int Y1) {
        if (FDark3D) DarkenBrush(Canvas, BrushColor);
        Canvas->Plane3D(TPoint{AtX, Y0}, TPoint{AtX, Y1}, StartZ, EndZ);
        if (FDark3D) Canvas->GetBrush()->SetColor(BrushColor);
    };
    if (FInvertedStairs) {
        Vertical(PreviousX, PreviousY, Y);
        Canvas->Plane3D(TPoint{PreviousX, Y}, TPoint{X, Y}, StartZ, EndZ);
    } else {
        Canvas->Plane3D(TPoint{PreviousX, PreviousY}, TPoint{X, PreviousY}, StartZ, EndZ);
        Vertical(X, Y, PreviousY);
    }
}

void TCustomSeries::DarkenBrush(TCanvas3D* Canvas, TColor Color) {
    if (Canvas->GetMonochrome())
        Canvas->GetBrush()->SetColor(clWhite);
    else
        Canvas->InternalDark(Color, VurDrawSettings().DarkColorQuantity);
}

// ---------------------------------------------------------------- pen and brush

void TCustomSeries::LinePrepareCanvas(TCanvas3D* Canvas, TColor Color) {
    PrepareCanvas(Canvas, *GetLinePen(), Color);
}

void TCustomSeries::PrepareCanvas(TCanvas3D* Canvas, const TChartPen& Pen, TColor Color) {
    if (Canvas->GetMonochrome()) Color = clWhite;
    TBrush* Brush = Canvas->GetBrush();
    if (!GetParentChart()->GetView3D()) {
        if (Brush->GetStyle() != bsClear) Brush->SetStyle(bsClear);
        Canvas->AssignVisiblePenColor(&Pen, Color);
        return;
    }
    if (const auto* Picture = dynamic_cast<const TBitmap*>(GetBrush()->GetImageGraphic())) {
        Brush->SetBitmap(Picture);
    } else {
        if (Brush->HasBitmap()) Brush->SetBitmap(nullptr);
        if (Brush->GetStyle() != FLineBrush) Brush->SetStyle(FLineBrush);
        if (Brush->GetColor() != Color) Brush->SetColor(Color);
    }
    Canvas->AssignVisiblePen(&Pen);
}

} // namespace vur
