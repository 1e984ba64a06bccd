#include "chart/RoVedure/Projection.h"

#include "chart/RoVedure/View3DOptions.h"
#include "platform/numeric/Rounding.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vur {

namespace {

constexpr TExtended DegreesToRadians = std::numbers::pi_v<TExtended> / 180;

// Projected positions stay within 2^29 pixels of the centre: a zoom far
// into the picture would otherwise send them to the ends of int, where
// adding the centre offset, or taking one position from another, overflows.
constexpr double Farthest = 1 << 29;

// 1 / Cos with the magnitude of Cos kept at 0.00001 or more, so that a view
// seen exactly edge-on still gives finite positions.
double GuardedInverse(TExtended Cos) {
    constexpr TExtended Least = 0.00001L;
    if (std::fabs(Cos) < Least) return static_cast<double>(1 / (Cos < 0 ? -Least : Least));
    return static_cast<double>(1 / Cos);
}

} // namespace

void TProjection3D::Start(const TView3DOptions* Options, bool Is3D) {
    FOptions = Options;
    FIs3D = Is3D;
    FRotationDisabled = 0;
    FWas3D = Is3D;
    FIsOrthogonal = false;
    FZoomFactor = 1;
    FZoomText = true;
    FHasPersp = false;
    FPerspFactor = 0;
    FHasTilt = false;
    s1 = s2 = s3 = 0;
    c1 = c2 = c3 = 1;
    FInvC1 = FInvC2 = 1;
    FOrthoX = FOrthoY = 1;
    if (!Is3D) return;
    if (Options) {
        FIsOrthogonal = Options->GetOrthogonal();
        if (FIsOrthogonal) {
            FOrthoX = Options->GetOrthoAngle() > 90 ? -1 : 1;
            FOrthoY = OrthoSlope(Options->GetOrthoAngle());
        }
        FZoomFactor = Options->GetZoom() * 0.01;
        FZoomText = Options->GetZoomText();
    }
    if (FIsOrthogonal) return;
    // Negated in double: the lowest int has no int opposite.
    const double Elevation = Options ? -static_cast<double>(Options->GetElevation()) : 0;
    const double Rotation = Options ? -static_cast<double>(Options->GetRotation()) : 0;
    const int Tilt = Options ? Options->GetTilt() : 0;
    s1 = std::sin(Elevation * DegreesToRadians);
    c1 = std::cos(Elevation * DegreesToRadians);
    s2 = std::sin(Rotation * DegreesToRadians);
    c2 = std::cos(Rotation * DegreesToRadians);
    s3 = std::sin(Tilt * DegreesToRadians);
    c3 = std::cos(Tilt * DegreesToRadians);
    FHasTilt = Tilt != 0;
    FInvC1 = GuardedInverse(c1);
    FInvC2 = GuardedInverse(c2);
}

void TProjection3D::Center(int MaxDepth, const TRect& Rect) {
    // Integer halves truncate towards zero, like the rest of the layout.
    FXCenter = Round((Rect.Left + Rect.Right) / 2 + RotationCenterX);
    FYCenter = Round((Rect.Top + Rect.Bottom) / 2 + RotationCenterY);
    FZCenter = Round(MaxDepth * 0.5 + RotationCenterZ);
    FXCenterOffset = FXCenter;
    FYCenterOffset = FYCenter;
    if (!FOptions) return;
    FXCenterOffset += FOptions->GetHorizOffset();
    FYCenterOffset += FOptions->GetVertOffset();
    FHasPersp = FOptions->GetPerspective() > 0;
    if (FHasPersp)
        FPerspFactor = FOptions->GetPerspective() * FZoomFactor / 150 / std::max(1, Rect.Right - Rect.Left);
}

void TProjection3D::Calculate3DPosition(int& X, int& Y, int Z) const {
    if (FIsOrthogonal) {
        X = RoundWithin((Z * static_cast<TExtended>(FOrthoX) + (X - FXCenter)) * FZoomFactor, Farthest) +
            FXCenterOffset;
        Y = RoundWithin(((Y - FYCenter) - Z * static_cast<TExtended>(FOrthoY)) * FZoomFactor, Farthest) +
            FYCenterOffset;
        return;
    }
    if (!FIs3D) return;
    const int x = X - FXCenter;
    const int y = Y - FYCenter;
    const int z = Z - FZCenter;
    const double t = z * c2 - x * s2;
    const double Scale = FHasPersp ? FZoomFactor / ((c1 * t + y * s1) * FPerspFactor + 1) : FZoomFactor;
    if (FHasTilt) {
        const double a = x * c2 + z * s2;
        const double b = y * c1 - s1 * t;
        X = RoundWithin((c3 * a - s3 * b) * Scale, Farthest) + FXCenterOffset;
        Y = RoundWithin((c3 * b + s3 * a) * Scale, Farthest) + FYCenterOffset;
    } else {
        X = RoundWithin((x * c2 + z * s2) * Scale, Farthest) + FXCenterOffset;
        Y = RoundWithin((y * c1 - s1 * t) * Scale, Farthest) + FYCenterOffset;
    }
}

void TProjection3D::Calculate3DPosition(TPoint& Result, double X, double Y, double Z) const {
    if (FIsOrthogonal) {
        Result.X = RoundWithin((Z * FOrthoX + (X - FXCenter)) * FZoomFactor, Farthest) + FXCenterOffset;
        Result.Y = RoundWithin(((Y - FYCenter) - Z * FOrthoY) * FZoomFactor, Farthest) + FYCenterOffset;
        return;
    }
    if (!FIs3D) return;
    const double x = X - FXCenter;
    const double y = Y - FYCenter;
    const double z = Z - FZCenter;
    const double t = static_cast<double>(z * c2 - x * s2);
    const double Scale =
        FHasPersp ? static_cast<double>(FZoomFactor / ((c1 * t + y * s1) * FPerspFactor + 1)) : FZoomFactor;
    const double a = static_cast<double>(x * c2 + z * s2);
    const double b = static_cast<double>(y * c1 - s1 * t);
    Result.X = RoundWithin((c3 * a - s3 * b) * Scale, Farthest) + FXCenterOffset;
    Result.Y = RoundWithin((c3 * b + s3 * a) * Scale, Farthest) + FYCenterOffset;
}

void TProjection3D::Calculate2DPosition(int& X, int& Y, int Z) const {
    if (FZoomFactor == 0) return;
    const double g = 1 / FZoomFactor;
    if (FIsOrthogonal) {
        X = Round(g * (X - FXCenterOffset) - Z * FOrthoX) + FXCenter;
        Y = Round(g * (Y - FYCenterOffset) + Z * FOrthoY) + FYCenter;
        return;
    }
    if (!FIs3D) return;
    // Undo the tilt, then the rotation about the vertical axis, then the
    // elevation, all in the plane of depth Z.
    const TExtended u = g * (X - FXCenterOffset);
    const TExtended v = g * (Y - FYCenterOffset);
    const TExtended a = c3 * u + s3 * v;
    const TExtended b = c3 * v - s3 * u;
    const int dz = Z - FZCenter;
    const TExtended x = (a - dz * s2) * FInvC2;
    const TExtended t = dz * c2 - x * s2;
    X = RoundWithin(x, Farthest) + FXCenter;
    Y = RoundWithin((b + s1 * t) * FInvC1, Farthest) + FYCenter;
}

double TProjection3D::Depth(double X, double Y, double Z) const {
    // Orthogonal: the line of sight runs along (-ox, oy, 1); full 3D: the
    // depth term of the foreshortening divisor; flat: only z orders.
    if (FIsOrthogonal) return -FOrthoX * X + FOrthoY * Y + Z;
    if (!FIs3D) return Z;
    const double t = static_cast<double>((Z - FZCenter) * c2 - (X - FXCenter) * s2);
    return static_cast<double>(c1 * t + s1 * (Y - FYCenter));
}

void TProjection3D::DisableRotation() {
    FWas3D = FIs3D;
    FIs3D = false;
}

void TProjection3D::EnableRotation() { FIs3D = FWas3D; }

void TProjection3D::FrontPlaneBegin() {
    if (FRotationDisabled++ == 0) DisableRotation();
}

void TProjection3D::FrontPlaneEnd() {
    // An unmatched end must not push the depth below 0, or the next pair
    // would stop switching rotation off.
    if (FRotationDisabled == 0) return;
    if (--FRotationDisabled == 0) EnableRotation();
}

} // namespace vur
