// TProjection3D: how a 3D canvas maps a chart-space point (x, y, z) to a
// screen pixel, in one of three modes chosen per paint: 2D (identity),
// orthogonal (an oblique shift of x and y proportional to z) and full 3D
// (rotation, elevation, tilt and optional foreshortening). Start rebuilds the
// view state, Center fixes the projection centre; both run once per paint,
// so the per-point functions only multiply precomputed factors.
#pragma once

#include "framework/Types.h"

#include <cfloat>
#include <type_traits>

namespace vur {

class TView3DOptions;

// The wide floating type the view's sines and cosines are kept in: the
// x87 80-bit type where long double is that, else double (a quad-precision
// long double would be emulated in software and cost far too much per point).
using TExtended = std::conditional_t<LDBL_MANT_DIG == 64, long double, double>;

class TProjection3D {
public:
    // Reads the view for a new paint. Options may be null (no 3D parameters).
    void Start(const TView3DOptions* Options, bool Is3D);
    // Puts the centre of the projection in the middle of Rect, at half of
    // MaxDepth, and the view offsets and foreshortening strength on top.
    void Center(int MaxDepth, const TRect& Rect);

    void Calculate3DPosition(int& X, int& Y, int Z) const;
    TPoint Calculate3DPosition(const TPoint3D& P) const {
        TPoint Result{P.X, P.Y};
        Calculate3DPosition(Result.X, Result.Y, P.Z);
        return Result;
    }
    TPoint Calculate3DPosition(TPoint P, int Z) const {
        Calculate3DPosition(P.X, P.Y, Z);
        return P;
    }
    // For points with fractional chart coordinates (circle points). Leaves
    // Result untouched in 2D: callers fill it with the flat position first.
    void Calculate3DPosition(TPoint& Result, double X, double Y, double Z) const;
    // How far a chart-space point lies from the viewer, along the line of
    // sight: only the order of two values means something.
    double Depth(double X, double Y, double Z) const;
    // The inverse at depth Z, for mouse positions; foreshortening is not undone.
    void Calculate2DPosition(int& X, int& Y, int Z) const;

    // Flat drawing inside a 3D chart (titles, legend): only the outermost
    // FrontPlaneBegin/FrontPlaneEnd pair switches rotation. Orthogonal
    // projection is not affected.
    void DisableRotation();
    void EnableRotation();
    void FrontPlaneBegin();
    void FrontPlaneEnd();

    bool GetIs3D() const { return FIs3D; }
    bool GetIsOrthogonal() const { return FIsOrthogonal; }
    // True when the projection works with neither orthogonal nor 3D shifts.
    bool IsFlat() const { return !FIsOrthogonal && !FIs3D; }
    double GetZoomFactor() const { return FZoomFactor; }
    bool GetZoomText() const { return FZoomText; }
    bool GetHasPersp() const { return FHasPersp; }
    int GetXCenter() const { return FXCenter; }
    int GetYCenter() const { return FYCenter; }
    int GetZCenter() const { return FZCenter; }
    int GetXCenterOffset() const { return FXCenterOffset; }
    int GetYCenterOffset() const { return FYCenterOffset; }
    double GetOrthoX() const { return FOrthoX; }
    double GetOrthoY() const { return FOrthoY; }
    double GetPerspFactor() const { return FPerspFactor; }

    // Added to the centre; nothing in the chart moves it from 0.
    double RotationCenterX = 0;
    double RotationCenterY = 0;
    double RotationCenterZ = 0;

private:
    const TView3DOptions* FOptions = nullptr;
    int FRotationDisabled = 0;
    bool FIsOrthogonal = false;
    int FXCenter = 0;
    int FYCenter = 0;
    int FZCenter = 0;
    int FXCenterOffset = 0;
    int FYCenterOffset = 0;
    // Sine and cosine of -Elevation (1), -Rotation (2) and Tilt (3).
    TExtended s1 = 0, c1 = 1, s2 = 0, c2 = 1, s3 = 0, c3 = 1;
    // 1 / cos of elevation and rotation, guarded against 0.
    double FInvC1 = 1;
    double FInvC2 = 1;
    bool FWas3D = false;
    bool FHasPersp = false;
    bool FHasTilt = false;
    double FOrthoX = 1;
    double FOrthoY = 1;
    double FPerspFactor = 0;
    double FZoomFactor = 1;
    bool FZoomText = true;
    bool FIs3D = false;
};

} // namespace vur
