// TVurCanvas3D: the one concrete chart canvas. It draws on a framework
// canvas (a window's or the off-screen buffer's). The 2D operations are in
// VurCanvas3D.cpp and VurCanvasText.cpp; the projection, the 3D primitives
// and the off-screen buffer are declared in the second block below and
// defined in their own files.
#pragma once

#include "chart/RoVedure/Canvas3D.h"
#include "chart/RoVedure/Projection.h"
#include "chart/RoVedure/Solid.h"

#include <memory>
#include <vector>

namespace vur {

class TVurCanvas3D : public TCanvas3D {
public:
    TVurCanvas3D();
    ~TVurCanvas3D() override;

    using TCanvas3D::Arrow;
    using TCanvas3D::Calculate3DPosition;
    using TCanvas3D::ClipRectangle;
    using TCanvas3D::Cube;
    using TCanvas3D::Ellipse;
    using TCanvas3D::Line;
    using TCanvas3D::LineTo3D;
    using TCanvas3D::LineWithZ;
    using TCanvas3D::MoveTo3D;
    using TCanvas3D::PlaneWithZ;
    using TCanvas3D::Polyline;
    using TCanvas3D::Rectangle;
    using TCanvas3D::RoundRect;
    using TCanvas3D::StretchDraw;
    using TCanvas3D::TextOut;

    // 2D half.
    TColor GetBackColor() const override;
    TCanvasBackMode GetBackMode() const override;
    HDC GetHandle() const override;
    bool GetMonochrome() const override { return FMonochrome; }
    TColor GetPixel(int X, int Y) const override;
    bool GetSupportsFullRotation() const override { return false; }
    unsigned GetTextAlign() const override;
    void SetBackColor(TColor Color) override;
    void SetBackMode(TCanvasBackMode Mode) override;
    void SetMonochrome(bool Value) override;
    void SetPixel(int X, int Y, TColor Color) override;
    void SetTextAlign(unsigned Flags) override;
    void Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) override;
    void Draw(int X, int Y, const TGraphic* Graphic) override;
    void Ellipse(int X1, int Y1, int X2, int Y2) override;
    void FillRect(const TRect& R) override;
    void LineTo(int X, int Y) override;
    void MoveTo(int X, int Y) override;
    void Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) override;
    void Rectangle(int X0, int Y0, int X1, int Y1) override;
    void RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3) override;
    void StretchDraw(const TRect& R, const TGraphic* Graphic) override;
    void TextOut(int X, int Y, const std::string& Text) override;
    void ClipRectangle(const TRect& R) override;
    void DoHorizLine(int X0, int X1, int Y) override;
    void DoVertLine(int X, int Y0, int Y1) override;
    void EraseBackground(const TRect& R) override;
    void GradientFill(const TRect& R, TColor StartColor, TColor EndColor, TGradientDirection Direction,
                      int Balance) override;
    void Invalidate() override { FDirty = true; }
    void Line(int X0, int Y0, int X1, int Y1) override;
    void Polyline(std::span<const TPoint> Points, int HighIndex) override;
    void Polygon(std::span<const TPoint> Points, int HighIndex) override;
    void RotateLabel(int X, int Y, const std::string& Text, double Angle) override;
    void UnClipRectangle() override;

    // True when the buffer does not show the current chart.
    bool GetDirty() const { return FDirty; }

protected:
    bool FDirty = true;

private:
    // Draws Text at (X, Y) in the current font with outline rules (no shadow).
    void TextOutBody(int X, int Y, const std::string& Text);
    bool FMonochrome = false;

    // ---- 3D half: projection, 3D primitives and the off-screen buffer ----
public:
    bool GetUseBuffer() const override { return FUseBuffer; }
    void SetUseBuffer(bool Value) override;
    void Donut(int XCenter, int YCenter, int XRadius, int YRadius, double StartAngle, double EndAngle,
               double HolePercent) override;

    TColor GetPixel3D(int X, int Y, int Z) const override;
    bool GetSupports3DText() const override { return false; }
    void SetPixel3D(int X, int Y, int Z, TColor Value) override;
    void Calculate2DPosition(int& X, int& Y, int Z) const override;
    void Calculate3DPosition(int& X, int& Y, int Z) const override;
    // Fractional chart coordinates; Result is left as it is in 2D, so callers
    // fill it with the flat position first.
    void Calculate3DPosition(TPoint& Result, double X, double Y, double Z) const;
    TRect InitWindow(TCanvas* Target, TView3DOptions* Options, TColor BackColor, bool Is3D,
                     const TRect& UserRect) override;
    void Assign(const TCanvas3D& Source) override;
    void Projection(int MaxDepth, const TRect& Bounds, const TRect& Rect) override;
    void ShowImage(TCanvas* Destination, TCanvas* Default, const TRect& UserRect) override;
    bool ReDrawBitmap() override;
    void Arrow(bool Filled, const TPoint& FromPoint, const TPoint& ToPoint, int HeadWidth, int HeadHeight,
               int Z, double SizePercent) override;
    void ClipCube(const TRect& Rect, int MinZ, int MaxZ) override;
    void Cone(bool Vertical, int Left, int Top, int Right, int Bottom, int Z0, int Z1, bool Dark,
              int ConePercent) override;
    void Cube(int Left, int Right, int Top, int Bottom, int Z0, int Z1, bool DarkSides) override;
    void Cylinder(bool Vertical, int Left, int Top, int Right, int Bottom, int Z0, int Z1,
                  bool Dark) override;
    void DisableRotation() override { FProjection.DisableRotation(); }
    void EllipseWithZ(int X1, int Y1, int X2, int Y2, int Z) override;
    void EnableRotation() override { FProjection.EnableRotation(); }
    void HorizLine3D(int Left, int Right, int Y, int Z) override;
    void VertLine3D(int X, int Top, int Bottom, int Z) override;
    void ZLine3D(int X, int Y, int Z0, int Z1) override;
    void FrontPlaneBegin() override { FProjection.FrontPlaneBegin(); }
    void FrontPlaneEnd() override { FProjection.FrontPlaneEnd(); }
    void LineWithZ(int X0, int Y0, int X1, int Y1, int Z) override;
    void MoveTo3D(int X, int Y, int Z) override;
    void LineTo3D(int X, int Y, int Z) override;
    void Pie3D(int XCenter, int YCenter, int XRadius, int YRadius, int Z0, int Z1, double StartAngle,
               double EndAngle, bool DarkSides, bool DrawSides, int DonutPercent,
               TCustomVurGradient* Gradient) override;
    void Plane3D(const TPoint& A, const TPoint& B, int Z0, int Z1) override;
    void PlaneWithZ(const TPoint& P1, const TPoint& P2, const TPoint& P3, const TPoint& P4, int Z) override;
    void PlaneFour3D(TFourPoints& Points, int Z0, int Z1) override;
    void PolygonWithZ(std::span<const TPoint> Points, int HighIndex, int Z) override;
    void Polyline(std::span<const TPoint> Points, int HighIndex, int Z) override;
    void Pyramid(bool Vertical, int Left, int Top, int Right, int Bottom, int Z0, int Z1,
                 bool DarkSides) override;
    void PyramidTrunc(const TRect& R, int StartZ, int EndZ, int TruncX, int TruncZ) override;
    void RectangleWithZ(const TRect& Rect, int Z) override;
    void RectangleY(int Left, int Top, int Right, int Z0, int Z1) override;
    void RectangleZ(int Left, int Top, int Bottom, int Z0, int Z1) override;
    void RotateLabel3D(int X, int Y, int Z, const std::string& Text, double Angle) override;
    void Sphere(int X, int Y, int Z, double Radius) override;
    void Surface3D(TVurCanvasSurfaceStyle, bool, int, int, const TVurCanvasCalcPoints&) override {}
    void TextOut3D(int X, int Y, int Z, const std::string& Text) override;
    void Triangle3D(const TTrianglePoints3D& Points, const TTriangleColors3D& Colors) override;
    void TriangleWithZ(const TPoint& P1, const TPoint& P2, const TPoint& P3, int Z) override;
    bool GetIsOrthogonal() const override { return FProjection.GetIsOrthogonal(); }
    bool GetIs3D() const override { return FProjection.GetIs3D(); }
    double GetZoomFactor() const override { return FProjection.GetZoomFactor(); }
    bool GetZoomText() const override { return FProjection.GetZoomText(); }

    // The polygon through the four scratch points (GetFourPoints).
    virtual void PolygonFour();
    // Frees the buffer.
    virtual void DeleteBitmap();
    // Copies the whole buffer to Target with its top-left corner at (X, Y).
    virtual void TransferBitmap(int X, int Y, TCanvas* Target);

    TFourPoints& GetFourPoints() { return FFourPoints; }
    const TProjection3D& GetProjection() const { return FProjection; }
    // The off-screen buffer the window shows, or none; GetImage() gives its pixels.
    TBitmap* GetBitmap() const { return FBitmap.get(); }
    // An ellipse in the plane at depth Z, turned by Angle degrees around its centre.
    void RotatedEllipse(int Left, int Top, int Right, int Bottom, int Z, double Angle);
    // Graphic scaled into the projected Rect at depth Z.
    void StretchDraw(const TRect& Rect, const TGraphic* Graphic, int Z);
    // Brings a slice's angles (radians) into 0 <= Start < 2 pi, Start <= End
    // <= Start + 2 pi; returns how many steps draw its arc smoothly.
    static int CalcPieAngles(double& StartAngle, double& EndAngle);

private:
    // Projects the first HighIndex + 1 points at depth Z into FScreenPoints.
    std::span<const TPoint> ProjectPoints(std::span<const TPoint> Points, int HighIndex, int Z);
    // The colour faces are shaded from: the back colour under a non-solid brush.
    TColor FaceBaseColor() const;
    // Fills a polygon with the brush only, the pen left out.
    void FillPolygon(std::span<const TPoint> Points);
    // Paints the visible faces of FSolid, shaded from FaceBaseColor; Sorted
    // paints far faces first, needed only for solids that are not convex.
    void DrawSolid(bool Sorted);
    void AddRoundSolid(bool Vertical, int Left, int Top, int Right, int Bottom, int Z0, int Z1, bool Dark,
                       int TopPercent);
    void AddPieSolid(int XCenter, int YCenter, int XRadius, int YRadius, int Z0, int Z1, double StartAngle,
                     double EndAngle, bool DarkSides, bool DrawSides, int DonutPercent);

    TProjection3D FProjection;
    std::unique_ptr<TBitmap> FBitmap;
    bool FUseBuffer = true;
    TFourPoints FFourPoints{};
    // Scratch kept between calls so that drawing does not allocate.
    std::vector<TPoint> FScreenPoints;
    std::vector<int> FIndexScratch;
    TSolid FSolid;
};

} // namespace vur
