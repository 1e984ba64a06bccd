// Pie slices and rings. Angles are in radians, counter-clockwise from three
// o'clock as seen on the screen. A slice with thickness is a solid that is
// not convex (a ring, a slice past a half turn), so its faces are painted
// from the farthest to the nearest.
#include "chart/RoVedure/VurCanvas3D.h"

#include "chart/RoVedure/DrawSettings.h"
#include "chart/RoVedure/Gradient.h"
#include "chart/RoVedure/Solid.h"
#include "platform/numeric/Rounding.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace vur {

namespace {

constexpr double FullTurn = 2 * std::numbers::pi;
// Arc steps per full turn: 3 degrees each.
constexpr int StepsPerTurn = 120;

} // namespace

int TVurCanvas3D::CalcPieAngles(double& StartAngle, double& EndAngle) {
    if (!std::isfinite(StartAngle) || !std::isfinite(EndAngle)) return 0;
    if (EndAngle < StartAngle) std::swap(StartAngle, EndAngle);
    const double Span = std::min(EndAngle - StartAngle, FullTurn);
    StartAngle = std::fmod(StartAngle, FullTurn);
    if (StartAngle < 0) StartAngle += FullTurn;
    EndAngle = StartAngle + Span;
    return std::max(1, static_cast<int>(std::ceil(Span / FullTurn * StepsPerTurn)));
}

void TVurCanvas3D::Donut(int XCenter, int YCenter, int XRadius, int YRadius, double StartAngle,
                         double EndAngle, double HolePercent) {
    const int Steps = CalcPieAngles(StartAngle, EndAngle);
    if (Steps == 0) return;
    const double Hole = std::clamp(HolePercent, 0.0, 100.0) * 0.01;
    const bool Full = EndAngle - StartAngle >= FullTurn;
    const double Step = (EndAngle - StartAngle) / Steps;
    const auto At = [&](double Angle, double Scale) {
        return TPoint{Round(XCenter + Scale * XRadius * std::cos(Angle)),
                      Round(YCenter - Scale * YRadius * std::sin(Angle))};
    };
    FScreenPoints.clear();
    for (int I = 0; I <= Steps; ++I) FScreenPoints.push_back(At(StartAngle + I * Step, 1));
    if (Hole == 0) {
        if (!Full) FScreenPoints.push_back(TPoint{XCenter, YCenter});
        FCanvas->Polygon(FScreenPoints);
        return;
    }
    for (int I = Steps; I >= 0; --I) FScreenPoints.push_back(At(StartAngle + I * Step, Hole));
    if (!Full) {
        FCanvas->Polygon(FScreenPoints);
        return;
    }
    // A whole ring: the seam joining its two circles must not show.
    if (FBrush->GetStyle() != bsClear) FillPolygon(FScreenPoints);
    if (FPen->GetStyle() == psClear) return;
    const std::span<const TPoint> Loops(FScreenPoints);
    FCanvas->Polyline(Loops.first(Steps + 1));
    FCanvas->Polyline(Loops.subspan(Steps + 1));
}

void TVurCanvas3D::AddPieSolid(int XCenter, int YCenter, int XRadius, int YRadius, int Z0, int Z1,
                               double StartAngle, double EndAngle, bool DarkSides, bool DrawSides,
                               int DonutPercent) {
    FSolid.Clear();
    const int Steps = CalcPieAngles(StartAngle, EndAngle);
    if (Steps == 0) return;
    const TVurDrawSettings& Settings = VurDrawSettings();
    const double Hole = std::clamp(DonutPercent, 0, 100) * 0.01;
    const bool Full = EndAngle - StartAngle >= FullTurn;
    const double Step = (EndAngle - StartAngle) / Steps;
    const int Count = Steps + 1;
    const auto AddArc = [&](double Scale, int Z) {
        for (int I = 0; I < Count; ++I) {
            const double Angle = StartAngle + I * Step;
            FSolid.AddVertex(XCenter + Scale * XRadius * std::cos(Angle),
                             YCenter - Scale * YRadius * std::sin(Angle), Z);
        }
    };
    // Vertices: outer arc at Z0, at Z1, then the inner arc (or the centre) at Z0, at Z1.
    AddArc(1, Z0);
    AddArc(1, Z1);
    const int Inner0 = 2 * Count, Inner1 = 3 * Count;
    if (Hole > 0) {
        AddArc(Hole, Z0);
        AddArc(Hole, Z1);
    } else {
        FSolid.AddVertex(XCenter, YCenter, Z0);
        FSolid.AddVertex(XCenter, YCenter, Z0 == Z1 ? Z0 : Z1);
    }
    const auto InnerAt = [&](int Base, int I) {
        return Hole > 0 ? Base + I : (Base == Inner0 ? Inner0 : Inner0 + 1);
    };
    const auto Shade = [&](const TPoint3DF& Normal) {
        return DarkSides ? LitDarkness(Normal, Settings.DarkerColorQuantity) : 0;
    };

    // Front and back.
    for (int Side = 0; Side < 2; ++Side) {
        const int Outer = Side == 0 ? 0 : Count;
        const int InnerBase = Side == 0 ? Inner0 : Inner1;
        FIndexScratch.clear();
        const int OuterCount = Full && Hole == 0 ? Steps : Count;
        for (int I = 0; I < OuterCount; ++I) FIndexScratch.push_back(Outer + I);
        if (Hole > 0) {
            if (Full)
                for (int I = 0; I < Count; ++I) FIndexScratch.push_back(InnerBase + I);
            else
                for (int I = Steps; I >= 0; --I) FIndexScratch.push_back(InnerBase + I);
        } else if (!Full) {
            FIndexScratch.push_back(InnerAt(InnerBase, 0));
        }
        FSolid.AddFace(FIndexScratch, 0, TPoint3DF{0, 0, Side == 0 ? -1.0 : 1.0});
        if (Full && Hole > 0) FSolid.SetEdges(feLoops, Count);
    }
    // Outer and inner rims, one strip per step.
    for (int I = 0; I < Steps; ++I) {
        const double Angle = StartAngle + (I + 0.5) * Step;
        const TPoint3DF Out{YRadius * std::cos(Angle), -XRadius * std::sin(Angle), 0};
        FSolid.AddFace(std::initializer_list<int>{I, I + 1, Count + I + 1, Count + I}, Shade(Out), Out);
        FSolid.SetEdges(feEnds);
        if (Hole > 0) {
            const TPoint3DF In{-Out.X, -Out.Y, 0};
            FSolid.AddFace(std::initializer_list<int>{Inner0 + I, Inner0 + I + 1, Inner1 + I + 1, Inner1 + I},
                           Shade(In), In);
            FSolid.SetEdges(feEnds);
        }
    }
    // The two cut faces.
    if (DrawSides && !Full) {
        const TPoint3DF StartOut{std::sin(StartAngle), std::cos(StartAngle), 0};
        FSolid.AddFace(std::initializer_list<int>{InnerAt(Inner0, 0), 0, Count, InnerAt(Inner1, 0)},
                       Shade(StartOut), StartOut);
        const TPoint3DF EndOut{-std::sin(EndAngle), -std::cos(EndAngle), 0};
        FSolid.AddFace(
            std::initializer_list<int>{InnerAt(Inner0, Steps), Steps, Count + Steps, InnerAt(Inner1, Steps)},
            Shade(EndOut), EndOut);
    }
}

void TVurCanvas3D::Pie3D(int XCenter, int YCenter, int XRadius, int YRadius, int Z0, int Z1,
                         double StartAngle, double EndAngle, bool DarkSides, bool DrawSides, int DonutPercent,
                         TCustomVurGradient* Gradient) {
    AddPieSolid(XCenter, YCenter, XRadius, YRadius, Z0, Z1, StartAngle, EndAngle, DarkSides, DrawSides,
                DonutPercent);
    DrawSolid(true);
    // A visible gradient fills the front face, when it shows, and its
    // outline is drawn again over the fill.
    if (!Gradient || !Gradient->GetVisible() || FSolid.FaceCount() == 0 || !FSolid.FaceVisible(0)) return;
    const std::span<const TPoint> Face = FSolid.FacePoints(0);
    Gradient->Draw(*this, Face, false, 0);
    if (FPen->GetStyle() == psClear) return;
    if (FSolid.FaceEdges(0) == feLoops) {
        const std::size_t Split = static_cast<std::size_t>(FSolid.FaceSplit(0));
        FCanvas->Polyline(Face.first(Split));
        FCanvas->Polyline(Face.subspan(Split));
        return;
    }
    FCanvas->Polyline(Face);
    FCanvas->Polyline(std::array<TPoint, 2>{Face.back(), Face.front()});
}

} // namespace vur
