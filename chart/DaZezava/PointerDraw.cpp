// Drawing of series markers. A marker of half sizes (H, V) at (PX, PY) lies
// in the box L = PX - H .. R = PX + H, T = PY - V .. B = PY + V; flat shapes
// are drawn in it with the canvas' pen and brush, 3D ones at the series'
// depths (the square as a cube and the triangles as pyramids when Draw3D).
// A visible gradient then fills the marker's area, and a transparency
// blends the whole marker with what lies under it.
#include "chart/DaZezava/AxisPanel.h"
#include "chart/DaZezava/Pointer.h"
#include "chart/RoVedure/Blend.h"
#include "chart/RoVedure/Clip.h"

#include <algorithm>
#include <array>
#include <optional>

namespace vur {

namespace {

bool IsSolidStyle(TSeriesPointerStyle Style) {
    return Style == psRectangle || Style == psTriangle || Style == psDownTriangle;
}

// The corners of the triangle styles, the apex or the tip first.
std::array<TPoint, 3> TriangleCorners(TSeriesPointerStyle Style, int PX, int PY, int H, int V) {
    const int L = PX - H, R = PX + H, T = PY - V, B = PY + V;
    switch (Style) {
    case psLeftTriangle:
        return {TPoint{L, PY}, TPoint{R, T}, TPoint{R, B}};
    case psRightTriangle:
        return {TPoint{R, PY}, TPoint{L, T}, TPoint{L, B}};
    case psDownTriangle:
        return {TPoint{PX, PY + V}, TPoint{L, PY - V}, TPoint{R, PY - V}};
    default:
        return {TPoint{PX, PY - V}, TPoint{L, PY + V}, TPoint{R, PY + V}};
    }
}

std::array<TPoint, 4> DiamondCorners(int PX, int PY, int H, int V) {
    return {TPoint{PX - H, PY}, TPoint{PX, PY - V}, TPoint{PX + H, PY}, TPoint{PX, PY + V}};
}

TRect Union(const TRect& A, const TRect& B) {
    return TRect{std::min(A.Left, B.Left), std::min(A.Top, B.Top), std::max(A.Right, B.Right),
                 std::max(A.Bottom, B.Bottom)};
}

} // namespace

void TSeriesPointer::PrepareCanvas(TCanvas3D* Canvas, TColor Color) {
    const TChartPen* Pen = GetPen();
    Canvas->AssignVisiblePenColor(Pen, Pen->GetColor() == clDefault ? Color : Pen->GetColor());
    const TChartBrush* Brush = GetBrush();
    TColor Fill = Brush->GetColor();
    // An automatic hatch is black over the point's colour.
    if (Fill == clDefault) Fill = Brush->GetStyle() == bsSolid ? Color : clBlack;
    Canvas->AssignBrushColor(Brush, Fill, Color);
}

void TSeriesPointer::Prepare() {
    if (FSeries == nullptr || FSeries->GetParentChart() == nullptr) return;
    PrepareCanvas(FSeries->GetParentChart()->GetCanvas(), GetBrush()->GetColor());
}

void TSeriesPointer::Draw(int X, int Y) { Draw(X, Y, GetBrush()->GetColor(), FStyle); }

void TSeriesPointer::Draw(int X, int Y, TColor Color, TSeriesPointerStyle AStyle) {
    if (FSeries == nullptr || FSeries->GetParentChart() == nullptr) return;
    const TCustomAxisPanel* Chart = FSeries->GetParentChart();
    DrawPointer(Chart->GetCanvas(), Chart->GetView3D(), X, Y, FHorizSize, FVertSize, Color, AStyle);
}

void TSeriesPointer::DrawPointer(TCanvas3D* Canvas, bool Is3D, int PX, int PY, int HorizHalf, int VertHalf,
                                 TColor Color, TSeriesPointerStyle AStyle) {
    if (AStyle == psNothing) return;
    std::unique_ptr<TVurBlend> Blend;
    if (FTransparency > 0) {
        const TRect Box{PX - HorizHalf, PY - VertHalf, PX + HorizHalf + 1, PY + VertHalf + 1};
        Blend = Canvas->BeginBlending(BlendRect(Canvas, Is3D, Box, AStyle), FTransparency);
    }
    DrawShape(Canvas, Is3D, PX, PY, HorizHalf, VertHalf, AStyle);
    if (FGradient->GetVisible()) FillGradient(Canvas, Is3D, PX, PY, HorizHalf, VertHalf, Color, AStyle);
    if (Blend) Canvas->EndBlending(std::move(Blend));
}

TRect TSeriesPointer::BlendRect(TCanvas3D* Canvas, bool Is3D, const TRect& Box,
                                TSeriesPointerStyle AStyle) const {
    if (!Is3D) return Box;
    const TRect Front = Canvas->RectFromRectZ(Box, GetStartZ());
    // A solid reaches back to its far end.
    if (FDraw3D && Canvas->GetIsOrthogonal() && IsSolidStyle(AStyle))
        return Union(Front, Canvas->RectFromRectZ(Box, GetEndZ()));
    return Front;
}

void TSeriesPointer::DrawShape(TCanvas3D* Canvas, bool Is3D, int PX, int PY, int H, int V,
                               TSeriesPointerStyle AStyle) {
    const int L = PX - H, R = PX + H, T = PY - V, B = PY + V;
    const int StartZ = Is3D ? GetStartZ() : 0;
    const auto Line = [&](int X0, int Y0, int X1, int Y1) {
        if (Is3D)
            Canvas->LineWithZ(X0, Y0, X1, Y1, StartZ);
        else
            Canvas->Line(X0, Y0, X1, Y1);
    };
    const auto Cross = [&] {
        Line(PX, T, PX, B + 1);
        Line(L, PY, R + 1, PY);
    };
    const auto DiagCross = [&] {
        Line(L, T, R + 1, B + 1);
        Line(R, T, L - 1, B + 1);
    };
    switch (AStyle) {
    case psRectangle:
        if (!Is3D)
            Canvas->Rectangle(L, T, R + 1, B + 1);
        else if (FDraw3D)
            Canvas->Cube(L, R, T, B, StartZ, GetEndZ(), FDark3D);
        else
            Canvas->RectangleWithZ(TRect{L, T, R + 1, B + 1}, StartZ);
        break;
    case psCircle:
        if (!Is3D)
            Canvas->Ellipse(L, T, R, B);
        else if (FDraw3D && Canvas->GetSupportsFullRotation())
            Canvas->Sphere(PX, PY, GetMiddleZ(), H);
        else
            Canvas->EllipseWithZ(L, T, R, B, StartZ);
        break;
    case psTriangle:
    case psDownTriangle:
        if (Is3D && FDraw3D) {
            // The base at the bottom of the box, the apex at its top; a
            // negated height turns it upside down.
            const int Half = AStyle == psTriangle ? V : -V;
            Canvas->Pyramid(true, L, PY - Half, R, PY + Half, StartZ, GetEndZ(), FDark3D);
            break;
        }
        [[fallthrough]];
    case psLeftTriangle:
    case psRightTriangle: {
        const std::array<TPoint, 3> P = TriangleCorners(AStyle, PX, PY, H, V);
        if (Is3D)
            Canvas->TriangleWithZ(P[0], P[1], P[2], StartZ);
        else
            Canvas->Polygon(P, 2);
        break;
    }
    case psCross:
        Cross();
        break;
    case psDiagCross:
        DiagCross();
        break;
    case psStar:
        Cross();
        DiagCross();
        break;
    case psDiamond: {
        const std::array<TPoint, 4> P = DiamondCorners(PX, PY, H, V);
        if (Is3D)
            Canvas->PolygonWithZ(P, 3, StartZ);
        else
            Canvas->Polygon(P, 3);
        break;
    }
    case psSmallDot:
        if (Is3D)
            Canvas->SetPixel3D(PX, PY, GetMiddleZ(), Canvas->GetBrush()->GetColor());
        else
            Canvas->SetPixel(PX, PY, Canvas->GetBrush()->GetColor());
        break;
    case psNothing:
        break;
    }
}

void TSeriesPointer::FillGradient(TCanvas3D* Canvas, bool Is3D, int PX, int PY, int H, int V, TColor Color,
                                  TSeriesPointerStyle AStyle) {
    {
        // The gradient ends in the point's colour; that is no change to repaint for.
        TCustomAxisPanel* Chart = FSeries != nullptr ? FSeries->GetParentChart() : nullptr;
        std::optional<TAutoRepaintHold> Hold;
        if (Chart != nullptr) Hold.emplace(*Chart);
        FGradient->SetEndColor(Color);
    }
    const int L = PX - H, R = PX + H, T = PY - V, B = PY + V;
    const int Z = Is3D ? GetStartZ() : 0;
    switch (AStyle) {
    case psRectangle: {
        const TChartPen* Pen = GetPen();
        const int Inset = Pen->GetVisible() ? Pen->GetWidth() : 0;
        const TRect Area{L, T, R + 1 - Inset, B + 1 - Inset};
        if (Is3D)
            FGradient->Draw(*Canvas, Canvas->FourPointsFromRect(Area, Z));
        else
            FGradient->Draw(*Canvas, Area);
        break;
    }
    case psCircle: {
        // The circle's box, filled only inside the circle.
        const TRect Area = Is3D ? Canvas->CalcRect3D(TRect{L, T, R, B}, Z) : TRect{L, T, R, B};
        ClipEllipse(*Canvas, Area);
        FGradient->Draw(*Canvas, Area);
        Canvas->UnClipRectangle();
        break;
    }
    case psTriangle:
    case psDownTriangle:
    case psLeftTriangle:
    case psRightTriangle:
        FGradient->Draw(*Canvas, TriangleCorners(AStyle, PX, PY, H, V), Is3D, Z);
        break;
    case psDiamond: {
        const std::array<TPoint, 4> P = DiamondCorners(PX, PY, H, V);
        FGradient->Draw(*Canvas, std::span<const TPoint>(P), Is3D, Z);
        break;
    }
    default:
        // Lines and dots have no area to fill.
        break;
    }
}

void TSeriesPointer::DrawLegendShape(TCanvas3D* Canvas, TColor Color, const TRect& Rect, bool WithLine,
                                     TSeriesPointerStyle AStyle) {
    PrepareCanvas(Canvas, Color);
    const TCustomAxisPanel* Chart = FSeries != nullptr ? FSeries->GetParentChart() : nullptr;
    if (const TChartPen* SymbolPen = Chart != nullptr ? Chart->GetLegendSymbolPen() : nullptr)
        Canvas->AssignVisiblePen(SymbolPen);
    const int Width = Rect.Right - Rect.Left;
    const int Height = Rect.Bottom - Rect.Top;
    // A line through the symbol stays visible beside a smaller marker.
    const int H = std::min(FHorizSize, WithLine ? Width / 3 : Width / 2 + 1);
    const int V = std::min(FVertSize, WithLine ? Height / 3 : Height / 2 + 1);
    DrawPointer(Canvas, false, (Rect.Left + Rect.Right) / 2, (Rect.Top + Rect.Bottom) / 2, H, V, Color,
                AStyle);
}

} // namespace vur
