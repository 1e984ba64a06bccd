#include "chart/RoVedure/Geometry.h"

#include "chart/RoVedure/DrawSettings.h"
#include "platform/numeric/Rounding.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace vur {

TPoint VurPoint(int X, int Y) { return TPoint{X, Y}; }

TRect VurRect(int Left, int Top, int Right, int Bottom) { return TRect{Left, Top, Right, Bottom}; }

TPoint3D Point3D(int X, int Y, int Z) { return TPoint3D{X, Y, Z}; }

bool PointInRect(const TRect& Rect, int X, int Y) {
    return X >= Rect.Left && X <= Rect.Right && Y >= Rect.Top && Y <= Rect.Bottom;
}

bool PointInRect(const TRect& Rect, const TPoint& P) { return PointInRect(Rect, P.X, P.Y); }

TRect OrientRectangle(const TRect& Rect) {
    TRect R = Rect;
    if (R.Left > R.Right) std::swap(R.Left, R.Right);
    if (R.Top > R.Bottom) std::swap(R.Top, R.Bottom);
    return R;
}

void RectSize(const TRect& Rect, int& Width, int& Height) {
    Width = Rect.Right - Rect.Left;
    Height = Rect.Bottom - Rect.Top;
}

void RectCenter(const TRect& Rect, int& X, int& Y) {
    X = static_cast<int>((std::int64_t{Rect.Left} + Rect.Right) / 2);
    Y = static_cast<int>((std::int64_t{Rect.Top} + Rect.Bottom) / 2);
}

TRect PolygonBounds(std::span<const TPoint> Points) {
    if (Points.empty()) return VurDrawSettings().VurZeroRect;
    TRect R{Points[0].X, Points[0].Y, Points[0].X, Points[0].Y};
    for (const TPoint& P : Points.subspan(1)) {
        R.Left = std::min(R.Left, P.X);
        R.Top = std::min(R.Top, P.Y);
        R.Right = std::max(R.Right, P.X);
        R.Bottom = std::max(R.Bottom, P.Y);
    }
    return R;
}

TRect RectFromPolygon(std::span<const TPoint> Points, int NumPoints) {
    const std::size_t Count =
        std::min<std::size_t>(Points.size(), static_cast<std::size_t>(std::max(0, NumPoints)));
    TRect R = PolygonBounds(Points.first(Count));
    ++R.Right;
    ++R.Bottom;
    return R;
}

TRect RectFromTriangle(std::span<const TPoint> Points) { return RectFromPolygon(Points, 3); }

bool VurCull(const TPoint& P0, const TPoint& P1, const TPoint& P2) {
    const std::int64_t Turn =
        std::int64_t{P0.X - P1.X} * (P2.Y - P1.Y) - std::int64_t{P2.X - P1.X} * (P0.Y - P1.Y);
    return Turn < 0;
}

bool VurCull(std::span<const TPoint> Points) {
    return Points.size() >= 3 && VurCull(Points[0], Points[1], Points[2]);
}

double VurDistance(double X, double Y) { return std::sqrt(X * X + Y * Y); }

TPoint PointAtDistance(const TPoint& From, const TPoint& To, int Distance) {
    if (From.X == To.X) return TPoint{To.X, To.Y < From.Y ? To.Y + Distance : To.Y - Distance};
    const double Angle = std::atan2(double(To.Y) - From.Y, double(To.X) - From.X);
    return TPoint{To.X - Round(Distance * std::cos(Angle)), To.Y - Round(Distance * std::sin(Angle))};
}

void SwapInteger(int& A, int& B) { std::swap(A, B); }

void SwapDouble(double& A, double& B) { std::swap(A, B); }

} // namespace vur
