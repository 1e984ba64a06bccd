// TCanvas3D: the chart canvas with depth. Every operation taking a Z projects
// its points from chart space (x, y in pixels of the chart rectangle, z in
// pixels from the front towards the back wall) to the screen and draws them
// with the 2D operations. The projection itself lives in TVurCanvas3D.
#pragma once

#include "chart/RoVedure/Canvas.h"
#include "chart/RoVedure/Geometry.h"

#include <array>
#include <functional>

namespace vur {

class TCustomVurGradient;
class TView3DOptions;

using TFourPoints = std::array<TPoint, 4>;
using TTrianglePoints3D = std::array<TPoint3D, 3>;
using TTriangleColors3D = std::array<TColor, 3>;

enum TVurCanvasSurfaceStyle : std::uint8_t { tcsSolid, tcsWire, tcsDot };
// Asks for the corners and colours of the surface cell (X, Z); false skips it.
using TVurCanvasCalcPoints =
    std::function<bool(int X, int Z, TPoint3D& P0, TPoint3D& P1, TColor& Color0, TColor& Color1)>;

class TCanvas3D : public TVurCanvas {
public:
    using TVurCanvas::Polyline;
    using TVurCanvas::Rectangle;

    virtual TColor GetPixel3D(int X, int Y, int Z) const = 0;
    virtual bool GetSupports3DText() const = 0;
    virtual void SetPixel3D(int X, int Y, int Z, TColor Value) = 0;
    // Screen pixel at depth Z back to chart space.
    virtual void Calculate2DPosition(int& X, int& Y, int Z) const = 0;
    // Chart space to screen, in place.
    virtual void Calculate3DPosition(int& X, int& Y, int Z) const = 0;
    // Prepares a paint; returns the rectangle to draw in.
    virtual TRect InitWindow(TCanvas* Target, TView3DOptions* Options, TColor BackColor, bool Is3D,
                             const TRect& UserRect) = 0;
    // Copies Monochrome.
    virtual void Assign(const TCanvas3D& Source) = 0;
    virtual void Projection(int MaxDepth, const TRect& Bounds, const TRect& Rect) = 0;
    virtual void ShowImage(TCanvas* Destination, TCanvas* Default, const TRect& UserRect) = 0;
    virtual bool ReDrawBitmap() = 0;
    virtual void Arrow(bool Filled, const TPoint& FromPoint, const TPoint& ToPoint, int HeadWidth,
                       int HeadHeight, int Z, double SizePercent) = 0;
    virtual void ClipCube(const TRect& Rect, int MinZ, int MaxZ) = 0;
    virtual void Cone(bool Vertical, int Left, int Top, int Right, int Bottom, int Z0, int Z1, bool Dark,
                      int ConePercent) = 0;
    virtual void Cube(int Left, int Right, int Top, int Bottom, int Z0, int Z1, bool DarkSides) = 0;
    virtual void Cylinder(bool Vertical, int Left, int Top, int Right, int Bottom, int Z0, int Z1,
                          bool Dark) = 0;
    virtual void DisableRotation() = 0;
    virtual void EllipseWithZ(int X1, int Y1, int X2, int Y2, int Z) = 0;
    virtual void EnableRotation() = 0;
    virtual void HorizLine3D(int Left, int Right, int Y, int Z) = 0;
    virtual void VertLine3D(int X, int Top, int Bottom, int Z) = 0;
    virtual void ZLine3D(int X, int Y, int Z0, int Z1) = 0;
    virtual void FrontPlaneBegin() = 0;
    virtual void FrontPlaneEnd() = 0;
    virtual void LineWithZ(int X0, int Y0, int X1, int Y1, int Z) = 0;
    virtual void MoveTo3D(int X, int Y, int Z) = 0;
    virtual void LineTo3D(int X, int Y, int Z) = 0;
    virtual void Pie3D(int XCenter, int YCenter, int XRadius, int YRadius, int Z0, int Z1, double StartAngle,
                       double EndAngle, bool DarkSides, bool DrawSides, int DonutPercent,
                       TCustomVurGradient* Gradient) = 0;
    virtual void Plane3D(const TPoint& A, const TPoint& B, int Z0, int Z1) = 0;
    virtual void PlaneWithZ(const TPoint& P1, const TPoint& P2, const TPoint& P3, const TPoint& P4,
                            int Z) = 0;
    // The first two points at Z0, the last two at Z1; Points returns projected.
    virtual void PlaneFour3D(TFourPoints& Points, int Z0, int Z1) = 0;
    virtual void PolygonWithZ(std::span<const TPoint> Points, int HighIndex, int Z) = 0;
    virtual void Polyline(std::span<const TPoint> Points, int HighIndex, int Z) = 0;
    virtual void Pyramid(bool Vertical, int Left, int Top, int Right, int Bottom, int Z0, int Z1,
                         bool DarkSides) = 0;
    virtual void PyramidTrunc(const TRect& R, int StartZ, int EndZ, int TruncX, int TruncZ) = 0;
    virtual void RectangleWithZ(const TRect& Rect, int Z) = 0;
    virtual void RectangleY(int Left, int Top, int Right, int Z0, int Z1) = 0;
    virtual void RectangleZ(int Left, int Top, int Bottom, int Z0, int Z1) = 0;
    virtual void RotateLabel3D(int X, int Y, int Z, const std::string& Text, double Angle) = 0;
    virtual void Sphere(int X, int Y, int Z, double Radius) = 0;
    virtual void Surface3D(TVurCanvasSurfaceStyle Style, bool SameBrush, int NumX, int NumZ,
                           const TVurCanvasCalcPoints& CalcPoints) = 0;
    virtual void TextOut3D(int X, int Y, int Z, const std::string& Text) = 0;
    virtual void Triangle3D(const TTrianglePoints3D& Points, const TTriangleColors3D& Colors) = 0;
    virtual void TriangleWithZ(const TPoint& P1, const TPoint& P2, const TPoint& P3, int Z) = 0;

    // Convenience forms over the operations above.
    TPoint Calculate3DPosition(const TPoint3D& P) const {
        TPoint R{P.X, P.Y};
        Calculate3DPosition(R.X, R.Y, P.Z);
        return R;
    }
    TPoint Calculate3DPosition(TPoint P, int Z) const {
        Calculate3DPosition(P.X, P.Y, Z);
        return P;
    }
    void Arrow(bool Filled, const TPoint& FromPoint, const TPoint& ToPoint, int HeadWidth, int HeadHeight,
               int Z) {
        Arrow(Filled, FromPoint, ToPoint, HeadWidth, HeadHeight, Z, 50);
    }
    void Cube(const TRect& R, int Z0, int Z1, bool DarkSides) {
        Cube(R.Left, R.Right, R.Top, R.Bottom, Z0, Z1, DarkSides);
    }
    void LineWithZ(const TPoint& P0, const TPoint& P1, int Z) { LineWithZ(P0.X, P0.Y, P1.X, P1.Y, Z); }
    void MoveTo3D(const TPoint3D& P) { MoveTo3D(P.X, P.Y, P.Z); }
    void LineTo3D(const TPoint3D& P) { LineTo3D(P.X, P.Y, P.Z); }
    void PlaneWithZ(const TFourPoints& P, int Z) { PlaneWithZ(P[0], P[1], P[2], P[3], Z); }
    // Both corners projected.
    TRect CalcRect3D(const TRect& R, int Z) const {
        const TPoint A = Calculate3DPosition(TPoint{R.Left, R.Top}, Z);
        const TPoint B = Calculate3DPosition(TPoint{R.Right, R.Bottom}, Z);
        return TRect{A.X, A.Y, B.X, B.Y};
    }
    // (Left, Top), (Right, Top), (Right, Bottom), (Left, Bottom), projected.
    TFourPoints FourPointsFromRect(const TRect& R, int Z) const {
        return {Calculate3DPosition(TPoint{R.Left, R.Top}, Z), Calculate3DPosition(TPoint{R.Right, R.Top}, Z),
                Calculate3DPosition(TPoint{R.Right, R.Bottom}, Z),
                Calculate3DPosition(TPoint{R.Left, R.Bottom}, Z)};
    }
    TRect RectFromRectZ(const TRect& R, int Z) const {
        const TFourPoints P = FourPointsFromRect(R, Z);
        return RectFromPolygon(P, 4);
    }
    void Rectangle(const TRect& R, int Z) { RectangleWithZ(R, Z); }
    void Rectangle(int X0, int Y0, int X1, int Y1, int Z) { RectangleWithZ(TRect{X0, Y0, X1, Y1}, Z); }

    // The view of the current paint (given to InitWindow), or none.
    TView3DOptions* GetView3DOptions() const { return FView3DOptions; }
    virtual bool GetIsOrthogonal() const = 0;
    // The panel's 3D switch for this paint (cleared between DisableRotation and EnableRotation).
    virtual bool GetIs3D() const = 0;
    // Zoom / 100 in 3D, else 1.
    virtual double GetZoomFactor() const = 0;
    // Whether text scales with the zoom.
    virtual bool GetZoomText() const = 0;

protected:
    TView3DOptions* FView3DOptions = nullptr;
};

} // namespace vur
