// The click test of line-style series: markers, points, then the segments
// (or stair legs) between them, within one pixel.
#include "chart/DaZezava/AxisPanel.h"
#include "chart/Series/LineSeries.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace vur {

namespace {

// The pixel is an end of the segment A-B or at most Tolerance + 1 pixels
// from it (from the nearer end when the foot of the perpendicular falls
// outside the segment).
bool PointInLine(const TPoint& P, const TPoint& A, const TPoint& B, int Tolerance) {
    if ((P.X == A.X && P.Y == A.Y) || (P.X == B.X && P.Y == B.Y)) return true;
    const double DX = static_cast<double>(B.X) - A.X;
    const double DY = static_cast<double>(B.Y) - A.Y;
    const double PX = static_cast<double>(P.X) - A.X;
    const double PY = static_cast<double>(P.Y) - A.Y;
    const double Length2 = DX * DX + DY * DY;
    const double T = Length2 == 0 ? 0 : std::clamp((PX * DX + PY * DY) / Length2, 0.0, 1.0);
    const double EX = PX - T * DX;
    const double EY = PY - T * DY;
    const double Limit = Tolerance + 1.0;
    return EX * EX + EY * EY <= Limit * Limit;
}

// Even-odd test of a pixel against a four-cornered polygon.
bool PointInQuad(const TPoint& P, const std::array<TPoint, 4>& Q) {
    bool Inside = false;
    for (std::size_t I = 0, J = Q.size() - 1; I < Q.size(); J = I++) {
        if ((Q[I].Y > P.Y) == (Q[J].Y > P.Y)) continue;
        const double CrossX =
            Q[I].X + static_cast<double>(P.Y - Q[I].Y) * (Q[J].X - Q[I].X) / (Q[J].Y - Q[I].Y);
        if (P.X < CrossX) Inside = !Inside;
    }
    return Inside;
}

} // namespace

bool TCustomSeries::ClickedPointer(int ValueIndex, int PX, int PY, int X, int Y) {
    return GetPointerStyle(ValueIndex) != psNothing && std::abs(PX - X) < FPointer->GetHorizSize() &&
           std::abs(PY - Y) < FPointer->GetVertSize();
}

int TCustomSeries::Clicked(int X, int Y) {
    TCustomAxisPanel* Chart = GetParentChart();
    if (Chart == nullptr || FFirstVisibleIndex < 0 || FLastVisibleIndex < 0) return -1;
    Chart->GetCanvas()->Calculate2DPosition(X, Y, GetStartZ());
    const TPoint P{X, Y};
    const int Start = FClickableLine ? std::max(0, FFirstVisibleIndex - 1) : FFirstVisibleIndex;
    const int End = std::min(FLastVisibleIndex, Count() - 1);
    const bool Is3D = Chart->GetView3D();
    const int Width3D = Chart->GetSeriesWidth3D();
    const int Height3D = Chart->GetSeriesHeight3D();
    TPoint Q{0, 0};
    // Nulls are never drawn, and neither are the segments that touch them.
    bool QDrawn = false;
    for (int Index = Start; Index <= End; ++Index) {
        const bool Drawn = !IsNull(Index);
        const TPoint Point{CalcXPos(Index), CalcYPos(Index)};
        if (Drawn) {
            if (FPointer->GetVisible() && ClickedPointer(Index, Point.X, Point.Y, X, Y)) {
                if (OnClickPointer) OnClickPointer(this, Index, X, Y);
                return Index;
            }
            if (Point.X == X && Point.Y == Y) return Index;
        }
        if (Index > Start && FClickableLine && Drawn && QDrawn) {
            bool Hit;
            if (Is3D) {
                Hit = PointInQuad(P, {Point, TPoint{Point.X + Width3D, Point.Y - Height3D},
                                      TPoint{Q.X + Width3D, Q.Y - Height3D}, Q});
            } else if (!FStairs) {
                Hit = PointInLine(P, Point, Q, 0);
            } else if (FInvertedStairs) {
                Hit = PointInLine(P, Q, TPoint{Q.X, Point.Y}, 0) ||
                      PointInLine(P, TPoint{Q.X, Point.Y}, Point, 0);
            } else {
                Hit = PointInLine(P, Q, TPoint{Point.X, Q.Y}, 0) ||
                      PointInLine(P, TPoint{Point.X, Q.Y}, Point, 0);
            }
            if (Hit) return Index - 1;
        }
        Q = Point;
        QDrawn = Drawn;
    }
    return -1;
}

} // namespace vur
