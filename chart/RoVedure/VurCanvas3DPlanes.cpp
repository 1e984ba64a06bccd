// The flat primitives of the 3D canvas: pixels, lines, planes, polygons,
// text and ellipses at a depth. Each projects its corners and draws them
// with the 2D operations.
#include "chart/RoVedure/VurCanvas3D.h"

#include "platform/numeric/Rounding.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vur {

namespace {

// Corners of the outline of an ellipse: the last one closes it.
constexpr int EllipsePoints = 64;

} // namespace

std::span<const TPoint> TVurCanvas3D::ProjectPoints(std::span<const TPoint> Points, int HighIndex, int Z) {
    const std::size_t Count = static_cast<std::size_t>(
        std::clamp<std::int64_t>(std::int64_t{HighIndex} + 1, 0, static_cast<std::int64_t>(Points.size())));
    FScreenPoints.resize(Count);
    for (std::size_t I = 0; I < Count; ++I) FScreenPoints[I] = FProjection.Calculate3DPosition(Points[I], Z);
    return FScreenPoints;
}

void TVurCanvas3D::FillPolygon(std::span<const TPoint> Points) { FCanvas->FillPolygon(Points); }

TColor TVurCanvas3D::GetPixel3D(int X, int Y, int Z) const {
    FProjection.Calculate3DPosition(X, Y, Z);
    return GetPixel(X, Y);
}

void TVurCanvas3D::SetPixel3D(int X, int Y, int Z, TColor Value) {
    FProjection.Calculate3DPosition(X, Y, Z);
    if (FPen->GetWidth() == 1) {
        SetPixel(X, Y, Value);
    } else {
        FCanvas->MoveTo(X, Y);
        FCanvas->LineTo(X, Y);
    }
}

void TVurCanvas3D::MoveTo3D(int X, int Y, int Z) {
    FProjection.Calculate3DPosition(X, Y, Z);
    FCanvas->MoveTo(X, Y);
}

void TVurCanvas3D::LineTo3D(int X, int Y, int Z) {
    FProjection.Calculate3DPosition(X, Y, Z);
    FCanvas->LineTo(X, Y);
}

void TVurCanvas3D::HorizLine3D(int Left, int Right, int Y, int Z) {
    MoveTo3D(Left, Y, Z);
    LineTo3D(Right, Y, Z);
}

void TVurCanvas3D::VertLine3D(int X, int Top, int Bottom, int Z) {
    MoveTo3D(X, Top, Z);
    LineTo3D(X, Bottom, Z);
}

void TVurCanvas3D::ZLine3D(int X, int Y, int Z0, int Z1) {
    MoveTo3D(X, Y, Z0);
    LineTo3D(X, Y, Z1);
}

void TVurCanvas3D::LineWithZ(int X0, int Y0, int X1, int Y1, int Z) {
    MoveTo3D(X0, Y0, Z);
    LineTo3D(X1, Y1, Z);
}

void TVurCanvas3D::PolygonFour() { FCanvas->Polygon(FFourPoints); }

void TVurCanvas3D::Plane3D(const TPoint& A, const TPoint& B, int Z0, int Z1) {
    FFourPoints = {FProjection.Calculate3DPosition(A, Z0), FProjection.Calculate3DPosition(B, Z0),
                   FProjection.Calculate3DPosition(B, Z1), FProjection.Calculate3DPosition(A, Z1)};
    PolygonFour();
}

void TVurCanvas3D::PlaneWithZ(const TPoint& P1, const TPoint& P2, const TPoint& P3, const TPoint& P4, int Z) {
    FFourPoints = {FProjection.Calculate3DPosition(P1, Z), FProjection.Calculate3DPosition(P2, Z),
                   FProjection.Calculate3DPosition(P3, Z), FProjection.Calculate3DPosition(P4, Z)};
    PolygonFour();
}

void TVurCanvas3D::PlaneFour3D(TFourPoints& Points, int Z0, int Z1) {
    for (int I = 0; I < 4; ++I)
        FProjection.Calculate3DPosition(Points[I], Points[I].X, Points[I].Y, I < 2 ? Z0 : Z1);
    FFourPoints = Points;
    PolygonFour();
}

void TVurCanvas3D::RectangleWithZ(const TRect& Rect, int Z) {
    FFourPoints = FourPointsFromRect(Rect, Z);
    PolygonFour();
}

void TVurCanvas3D::RectangleY(int Left, int Top, int Right, int Z0, int Z1) {
    FFourPoints = {FProjection.Calculate3DPosition(TPoint3D{Left, Top, Z0}),
                   FProjection.Calculate3DPosition(TPoint3D{Right, Top, Z0}),
                   FProjection.Calculate3DPosition(TPoint3D{Right, Top, Z1}),
                   FProjection.Calculate3DPosition(TPoint3D{Left, Top, Z1})};
    PolygonFour();
}

void TVurCanvas3D::RectangleZ(int Left, int Top, int Bottom, int Z0, int Z1) {
    FFourPoints = {FProjection.Calculate3DPosition(TPoint3D{Left, Top, Z0}),
                   FProjection.Calculate3DPosition(TPoint3D{Left, Top, Z1}),
                   FProjection.Calculate3DPosition(TPoint3D{Left, Bottom, Z1}),
                   FProjection.Calculate3DPosition(TPoint3D{Left, Bottom, Z0})};
    PolygonFour();
}

void TVurCanvas3D::PolygonWithZ(std::span<const TPoint> Points, int HighIndex, int Z) {
    const std::span<const TPoint> Screen = ProjectPoints(Points, HighIndex, Z);
    Polygon(Screen, static_cast<int>(Screen.size()) - 1);
}

void TVurCanvas3D::Polyline(std::span<const TPoint> Points, int HighIndex, int Z) {
    const std::span<const TPoint> Screen = ProjectPoints(Points, HighIndex, Z);
    Polyline(Screen, static_cast<int>(Screen.size()) - 1);
}

void TVurCanvas3D::TriangleWithZ(const TPoint& P1, const TPoint& P2, const TPoint& P3, int Z) {
    const TPoint Screen[3] = {FProjection.Calculate3DPosition(P1, Z), FProjection.Calculate3DPosition(P2, Z),
                              FProjection.Calculate3DPosition(P3, Z)};
    FCanvas->Polygon(Screen);
}

void TVurCanvas3D::Triangle3D(const TTrianglePoints3D& Points, const TTriangleColors3D& Colors) {
    if (FBrush->GetStyle() != bsClear) FBrush->SetColor(Colors[0]);
    const TPoint Screen[3] = {FProjection.Calculate3DPosition(Points[0]),
                              FProjection.Calculate3DPosition(Points[1]),
                              FProjection.Calculate3DPosition(Points[2])};
    FCanvas->Polygon(Screen);
}

void TVurCanvas3D::ClipCube(const TRect& Rect, int MinZ, int MaxZ) {
    if (!FProjection.GetIs3D()) {
        ClipRectangle(TRect{Rect.Left + 1, Rect.Top + 1, Rect.Right, Rect.Bottom - 1});
        return;
    }
    FScreenPoints.clear();
    for (int Z : {MinZ, MaxZ})
        for (int Y : {Rect.Top, Rect.Bottom})
            for (int X : {Rect.Left, Rect.Right})
                FScreenPoints.push_back(FProjection.Calculate3DPosition(TPoint3D{X, Y, Z}));
    ConvexHull(FScreenPoints);
    ClipPolygon(FScreenPoints, static_cast<int>(FScreenPoints.size()));
}

void TVurCanvas3D::EllipseWithZ(int X1, int Y1, int X2, int Y2, int Z) {
    if (FProjection.GetIsOrthogonal()) {
        const TPoint A = FProjection.Calculate3DPosition(TPoint3D{X1, Y1, Z});
        const TPoint B = FProjection.Calculate3DPosition(TPoint3D{X2, Y2, Z});
        Ellipse(A.X, A.Y, B.X, B.Y);
        return;
    }
    if (!FProjection.GetIs3D()) {
        Ellipse(X1, Y1, X2 + 1, Y2 + 1);
        return;
    }
    const int CenterX = (X1 + X2) / 2;
    const int CenterY = (Y1 + Y2) / 2;
    const int RadiusX = (X2 - X1) / 2;
    const int RadiusY = (Y2 - Y1) / 2;
    const double Step = 2 * std::numbers::pi / (EllipsePoints - 1);
    FScreenPoints.resize(EllipsePoints);
    FScreenPoints[0] = FProjection.Calculate3DPosition(TPoint3D{CenterX, Y2, Z});
    for (int I = 1; I < EllipsePoints - 1; ++I)
        FProjection.Calculate3DPosition(FScreenPoints[I], CenterX + RadiusX * std::sin(I * Step),
                                        CenterY + RadiusY * std::cos(I * Step), Z);
    FScreenPoints[EllipsePoints - 1] = FScreenPoints[0];
    // One fill of the whole outline covers the same pixels as a fan of
    // triangles from the centre, in a single pass.
    if (FBrush->GetStyle() != bsClear) FillPolygon(FScreenPoints);
    if (FPen->GetStyle() != psClear) FCanvas->Polyline(FScreenPoints);
}

void TVurCanvas3D::RotatedEllipse(int Left, int Top, int Right, int Bottom, int Z, double Angle) {
    const double CenterX = (Left + Right) * 0.5;
    const double CenterY = (Top + Bottom) * 0.5;
    const double RadiusX = (Right - Left) * 0.5;
    const double RadiusY = (Bottom - Top) * 0.5;
    const double Turn = Angle * std::numbers::pi / 180;
    const double CosTurn = std::cos(Turn);
    const double SinTurn = std::sin(Turn);
    const double Step = 2 * std::numbers::pi / (EllipsePoints - 1);
    FScreenPoints.resize(EllipsePoints);
    for (int I = 0; I < EllipsePoints - 1; ++I) {
        const double DX = RadiusX * std::cos(I * Step);
        const double DY = -RadiusY * std::sin(I * Step);
        // Counter-clockwise on screen, where y grows downwards.
        const double X = CenterX + DX * CosTurn + DY * SinTurn;
        const double Y = CenterY - DX * SinTurn + DY * CosTurn;
        FScreenPoints[I] = TPoint{Round(X), Round(Y)};
        FProjection.Calculate3DPosition(FScreenPoints[I], X, Y, Z);
    }
    FScreenPoints[EllipsePoints - 1] = FScreenPoints[0];
    if (FBrush->GetStyle() != bsClear) FillPolygon(FScreenPoints);
    if (FPen->GetStyle() != psClear) FCanvas->Polyline(FScreenPoints);
}

void TVurCanvas3D::Sphere(int X, int Y, int Z, double Radius) {
    const int R = Round(Radius);
    EllipseWithZ(X - R, Y - R, X + R, Y + R, Z);
}

void TVurCanvas3D::StretchDraw(const TRect& Rect, const TGraphic* Graphic, int Z) {
    const TFourPoints Corners = FourPointsFromRect(Rect, Z);
    StretchDraw(PolygonBounds(Corners), Graphic);
}

void TVurCanvas3D::RotateLabel3D(int X, int Y, int Z, const std::string& Text, double Angle) {
    FProjection.Calculate3DPosition(X, Y, Z);
    RotateLabel(X, Y, Text, Angle);
}

void TVurCanvas3D::TextOut3D(int X, int Y, int Z, const std::string& Text) {
    FProjection.Calculate3DPosition(X, Y, Z);
    const double Zoom = FProjection.GetZoomFactor();
    if (!FProjection.GetZoomText() || Zoom == 1) {
        TextOut(X, Y, Text);
        return;
    }
    const int Size = std::max(1, Round(FFont->GetSize() * Zoom));
    if (Size == FFont->GetSize()) {
        TextOut(X, Y, Text);
        return;
    }
    const int Height = FFont->GetHeight();
    FFont->SetSize(Size);
    TextOut(X, Y, Text);
    FFont->SetHeight(Height);
}

} // namespace vur
