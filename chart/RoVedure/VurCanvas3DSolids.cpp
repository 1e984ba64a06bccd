// Boxes, pyramids, cones, cylinders and arrows of the 3D canvas. Only the
// faces turned towards the viewer are painted (all of them, as a wire frame,
// under a clear brush); sides are darker than the front.
#include "chart/RoVedure/VurCanvas3D.h"

#include "chart/RoVedure/Colors.h"
#include "chart/RoVedure/DrawSettings.h"
#include "platform/numeric/Rounding.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vur {

namespace {

// The cross product of the two edges meeting at corner At of a projected
// quadrilateral; positive when the face turns towards the viewer.
long long Turn(const TFourPoints& Q, int At) {
    const TPoint& C = Q[At];
    return static_cast<long long>(Q[3].X - C.X) * (Q[1].Y - C.Y) -
           static_cast<long long>(Q[1].X - C.X) * (Q[3].Y - C.Y);
}

} // namespace

TColor TVurCanvas3D::FaceBaseColor() const {
    return FBrush->GetStyle() != bsSolid ? GetBackColor() : FBrush->GetColor();
}

void TVurCanvas3D::Cube(int Left, int Right, int Top, int Bottom, int Z0, int Z1, bool DarkSides) {
    const bool All = FBrush->GetStyle() == bsClear;
    const TColor Base = FaceBaseColor();
    const TColor BrushColor = FBrush->GetColor();
    const TColor BackColor = GetBackColor();
    const TVurDrawSettings& Settings = VurDrawSettings();
    const auto At = [this](int X, int Y, int Z) {
        return FProjection.Calculate3DPosition(TPoint3D{X, Y, Z});
    };

    FFourPoints = {At(Left, Top, Z0), At(Right, Top, Z0), At(Right, Bottom, Z0), At(Left, Bottom, Z0)};
    if (!All && Turn(FFourPoints, 2) <= 0)
        FFourPoints = {At(Left, Top, Z1), At(Right, Top, Z1), At(Right, Bottom, Z1), At(Left, Bottom, Z1)};
    PolygonFour();

    FFourPoints = {At(Right, Top, Z0), At(Right, Top, Z1), At(Right, Bottom, Z1), At(Right, Bottom, Z0)};
    if (All || Turn(FFourPoints, 2) > 0) {
        if (DarkSides) InternalDark(Base, Settings.DarkerColorQuantity);
        PolygonFour();
    }
    FFourPoints = {At(Left, Top, Z0), At(Left, Top, Z1), At(Left, Bottom, Z1), At(Left, Bottom, Z0)};
    if (All || Turn(FFourPoints, 0) > 0) {
        if (DarkSides) InternalDark(Base, Settings.DarkerColorQuantity);
        PolygonFour();
    }
    FFourPoints = {At(Left, Top, Z0), At(Right, Top, Z0), At(Right, Top, Z1), At(Left, Top, Z1)};
    const TPoint &A = FFourPoints[0], &B = FFourPoints[1], &C = FFourPoints[2];
    if (All ||
        static_cast<long long>(A.X - B.X) * (C.Y - B.Y) - static_cast<long long>(C.X - B.X) * (A.Y - B.Y) >
            0) {
        if (DarkSides) InternalDark(Base, Settings.DarkColorQuantity);
        PolygonFour();
    }
    FFourPoints = {At(Left, Bottom, Z0), At(Left, Bottom, Z1), At(Right, Bottom, Z1), At(Right, Bottom, Z0)};
    if (All || Turn(FFourPoints, 2) < 0) {
        if (DarkSides) InternalDark(Base, Settings.DarkColorQuantity);
        PolygonFour();
    }
    // The next shape starts from the caller's colours, not a darkened side.
    FBrush->SetColor(BrushColor);
    SetBackColor(BackColor);
}

void TVurCanvas3D::DrawSolid(bool Sorted) {
    const bool Wire = FBrush->GetStyle() == bsClear;
    FSolid.Project(FProjection, Wire);
    const TColor Base = FaceBaseColor();
    const TColor BrushColor = FBrush->GetColor();
    const TColor BackColor = GetBackColor();
    const bool Outlined = FPen->GetStyle() != psClear;
    int Shade = -1;
    const auto Paint = [&](int Face) {
        if (!Wire && FSolid.FaceDarkness(Face) != Shade) {
            Shade = FSolid.FaceDarkness(Face);
            InternalDark(Base, Shade);
        }
        const std::span<const TPoint> Points = FSolid.FacePoints(Face);
        const TFaceEdges Edges = FSolid.FaceEdges(Face);
        if (Wire || Edges == feAll) {
            FCanvas->Polygon(Points);
            return;
        }
        FillPolygon(Points);
        if (!Outlined) return;
        if (Edges == feLoops) {
            const std::size_t Split = static_cast<std::size_t>(FSolid.FaceSplit(Face));
            FCanvas->Polyline(Points.first(Split));
            FCanvas->Polyline(Points.subspan(Split));
            return;
        }
        FCanvas->Polyline(Points.first(2));
        if (Points.size() >= 4) FCanvas->Polyline(Points.subspan(2, 2));
    };
    if (Sorted) {
        for (int Face : FSolid.DrawOrder()) Paint(Face);
    } else {
        for (int Face = 0; Face < FSolid.FaceCount(); ++Face)
            if (FSolid.FaceVisible(Face)) Paint(Face);
    }
    FBrush->SetColor(BrushColor);
    SetBackColor(BackColor);
}

void TVurCanvas3D::Pyramid(bool Vertical, int Left, int Top, int Right, int Bottom, int Z0, int Z1,
                           bool DarkSides) {
    const TVurDrawSettings& Settings = VurDrawSettings();
    const int Darker = DarkSides ? Settings.DarkerColorQuantity : 0;
    const int Dark = DarkSides ? Settings.DarkColorQuantity : 0;
    FSolid.Clear();
    const double MidZ = (Z0 + Z1) * 0.5;
    if (Vertical) {
        // Base at Bottom, apex at Top (above or below it).
        const int B0 = FSolid.AddVertex(Left, Bottom, Z0), B1 = FSolid.AddVertex(Right, Bottom, Z0);
        const int B2 = FSolid.AddVertex(Right, Bottom, Z1), B3 = FSolid.AddVertex(Left, Bottom, Z1);
        const int Apex = FSolid.AddVertex((Left + Right) * 0.5, Top, MidZ);
        FSolid.AddFace(std::initializer_list<int>{B0, B1, Apex}, 0);
        FSolid.AddFace(std::initializer_list<int>{B1, B2, Apex}, Darker);
        FSolid.AddFace(std::initializer_list<int>{B2, B3, Apex}, 0);
        FSolid.AddFace(std::initializer_list<int>{B3, B0, Apex}, Darker);
        FSolid.AddFace(std::initializer_list<int>{B0, B1, B2, B3}, Dark);
    } else {
        // Base at Left, apex at Right.
        const int B0 = FSolid.AddVertex(Left, Top, Z0), B1 = FSolid.AddVertex(Left, Bottom, Z0);
        const int B2 = FSolid.AddVertex(Left, Bottom, Z1), B3 = FSolid.AddVertex(Left, Top, Z1);
        const int Apex = FSolid.AddVertex(Right, (Top + Bottom) * 0.5, MidZ);
        FSolid.AddFace(std::initializer_list<int>{B0, B1, Apex}, 0);
        FSolid.AddFace(std::initializer_list<int>{B1, B2, Apex}, Dark);
        FSolid.AddFace(std::initializer_list<int>{B2, B3, Apex}, 0);
        FSolid.AddFace(std::initializer_list<int>{B3, B0, Apex}, Dark);
        FSolid.AddFace(std::initializer_list<int>{B0, B1, B2, B3}, Darker);
    }
    DrawSolid(false);
}

void TVurCanvas3D::PyramidTrunc(const TRect& R, int StartZ, int EndZ, int TruncX, int TruncZ) {
    const TVurDrawSettings& Settings = VurDrawSettings();
    // A cut wider than the base would turn the top inside out.
    const double InsetX = std::clamp(static_cast<double>(TruncX), 0.0, std::abs(R.Right - R.Left) * 0.5);
    const double InsetZ = std::clamp(static_cast<double>(TruncZ), 0.0, std::abs(EndZ - StartZ) * 0.5);
    const double SignX = R.Right >= R.Left ? 1 : -1;
    const double SignZ = EndZ >= StartZ ? 1 : -1;
    const double L = R.Left + SignX * InsetX, Rt = R.Right - SignX * InsetX;
    const double Z0 = StartZ + SignZ * InsetZ, Z1 = EndZ - SignZ * InsetZ;
    FSolid.Clear();
    const int B0 = FSolid.AddVertex(R.Left, R.Bottom, StartZ),
              B1 = FSolid.AddVertex(R.Right, R.Bottom, StartZ);
    const int B2 = FSolid.AddVertex(R.Right, R.Bottom, EndZ), B3 = FSolid.AddVertex(R.Left, R.Bottom, EndZ);
    const int T0 = FSolid.AddVertex(L, R.Top, Z0), T1 = FSolid.AddVertex(Rt, R.Top, Z0);
    const int T2 = FSolid.AddVertex(Rt, R.Top, Z1), T3 = FSolid.AddVertex(L, R.Top, Z1);
    FSolid.AddFace(std::initializer_list<int>{B0, B1, T1, T0}, 0);
    FSolid.AddFace(std::initializer_list<int>{B1, B2, T2, T1}, Settings.DarkerColorQuantity);
    FSolid.AddFace(std::initializer_list<int>{B2, B3, T3, T2}, 0);
    FSolid.AddFace(std::initializer_list<int>{B3, B0, T0, T3}, Settings.DarkerColorQuantity);
    FSolid.AddFace(std::initializer_list<int>{T0, T1, T2, T3}, Settings.DarkColorQuantity);
    FSolid.AddFace(std::initializer_list<int>{B0, B1, B2, B3}, Settings.DarkColorQuantity);
    DrawSolid(false);
}

void TVurCanvas3D::AddRoundSolid(bool Vertical, int Left, int Top, int Right, int Bottom, int Z0, int Z1,
                                 bool Dark, int TopPercent) {
    const TVurDrawSettings& Settings = VurDrawSettings();
    const int Sides = std::max(3, Settings.VurNumCylinderSides);
    const double TopScale = std::clamp(TopPercent, 0, 100) * 0.01;
    const double MidZ = (Z0 + Z1) * 0.5, RadiusZ = (Z1 - Z0) * 0.5;
    // Along the axis: from the base (full size) to the top (scaled).
    const double Base = Vertical ? Bottom : Left;
    const double Tip = Vertical ? Top : Right;
    const double Mid = Vertical ? (Left + Right) * 0.5 : (Top + Bottom) * 0.5;
    const double Radius = Vertical ? (Right - Left) * 0.5 : (Bottom - Top) * 0.5;
    const auto Vertex = [&](double Along, double Angle, double Scale) {
        // Angle 0 faces the viewer; the section turns around the axis.
        const double Across = Mid + Scale * Radius * std::sin(Angle);
        const double Z = MidZ - Scale * RadiusZ * std::cos(Angle);
        return Vertical ? FSolid.AddVertex(Across, Along, Z) : FSolid.AddVertex(Along, Across, Z);
    };
    FSolid.Clear();
    const double Step = 2 * std::numbers::pi / Sides;
    for (int I = 0; I < Sides; ++I) Vertex(Base, I * Step, 1);
    const bool Apex = TopScale == 0;
    if (Apex)
        Vertical ? FSolid.AddVertex(Mid, Tip, MidZ) : FSolid.AddVertex(Tip, Mid, MidZ);
    else
        for (int I = 0; I < Sides; ++I) Vertex(Tip, I * Step, TopScale);

    for (int I = 0; I < Sides; ++I) {
        const int Next = (I + 1) % Sides;
        const double Angle = (I + 0.5) * Step;
        const double Across = std::sin(Angle), Depth = -std::cos(Angle);
        const TPoint3DF Normal = Vertical ? TPoint3DF{Across, 0, Depth} : TPoint3DF{0, Across, Depth};
        const int Darkness = Dark ? LitDarkness(Normal, Settings.DarkerColorQuantity) : 0;
        if (Apex)
            FSolid.AddFace(std::initializer_list<int>{I, Next, Sides}, Darkness);
        else
            FSolid.AddFace(std::initializer_list<int>{I, Next, Sides + Next, Sides + I}, Darkness);
        FSolid.SetEdges(feEnds);
    }
    FIndexScratch.resize(Sides);
    for (int I = 0; I < Sides; ++I) FIndexScratch[I] = I;
    const int CapDarkness = Dark ? Settings.DarkColorQuantity : 0;
    FSolid.AddFace(FIndexScratch, CapDarkness);
    if (!Apex) {
        for (int I = 0; I < Sides; ++I) FIndexScratch[I] = Sides + I;
        FSolid.AddFace(FIndexScratch, CapDarkness);
    }
}

void TVurCanvas3D::Cone(bool Vertical, int Left, int Top, int Right, int Bottom, int Z0, int Z1, bool Dark,
                        int ConePercent) {
    AddRoundSolid(Vertical, Left, Top, Right, Bottom, Z0, Z1, Dark, ConePercent);
    DrawSolid(false);
}

void TVurCanvas3D::Cylinder(bool Vertical, int Left, int Top, int Right, int Bottom, int Z0, int Z1,
                            bool Dark) {
    Cone(Vertical, Left, Top, Right, Bottom, Z0, Z1, Dark, 100);
}

void TVurCanvas3D::Arrow(bool Filled, const TPoint& FromPoint, const TPoint& ToPoint, int HeadWidth,
                         int HeadHeight, int Z, double SizePercent) {
    const double DX = ToPoint.X - FromPoint.X, DY = ToPoint.Y - FromPoint.Y;
    const double Length = std::hypot(DX, DY);
    if (!(Length > 0)) return;
    const double UX = DX / Length, UY = DY / Length;
    // Across the arrow.
    const double AX = -UY, AY = UX;
    const double HeadLength = std::clamp(static_cast<double>(HeadHeight), 0.0, Length);
    const double BaseX = ToPoint.X - UX * HeadLength, BaseY = ToPoint.Y - UY * HeadLength;
    const double Half = std::abs(HeadWidth) * 0.5;
    const auto At = [&](double X, double Y) {
        TPoint P{Round(X), Round(Y)};
        FProjection.Calculate3DPosition(P, X, Y, Z);
        return P;
    };
    const TPoint Tip = At(ToPoint.X, ToPoint.Y);
    const TPoint Left = At(BaseX + AX * Half, BaseY + AY * Half);
    const TPoint Right = At(BaseX - AX * Half, BaseY - AY * Half);
    if (!Filled) {
        const TPoint Tail = At(FromPoint.X, FromPoint.Y);
        const TPoint Shaft[2] = {Tail, Tip};
        const TPoint Head[3] = {Left, Tip, Right};
        FCanvas->Polyline(Shaft);
        FCanvas->Polyline(Head);
        return;
    }
    const double Shaft = Half * std::clamp(SizePercent, 0.0, 100.0) * 0.01;
    const TPoint Outline[7] = {At(FromPoint.X + AX * Shaft, FromPoint.Y + AY * Shaft),
                               At(BaseX + AX * Shaft, BaseY + AY * Shaft),
                               Left,
                               Tip,
                               Right,
                               At(BaseX - AX * Shaft, BaseY - AY * Shaft),
                               At(FromPoint.X - AX * Shaft, FromPoint.Y - AY * Shaft)};
    FCanvas->Polygon(Outline);
}

} // namespace vur
