// TVurCanvas3D: the one concrete chart canvas. It draws on a framework
// canvas (a window's or the off-screen buffer's). The 2D operations are in
// VurCanvas3D.cpp and VurCanvasText.cpp; the projection, the 3D primitives
// and the off-screen buffer are declared in the second block below and
// defined in their own files.
#pragma once

#include "chart/RoVedure/Canvas3D.h"

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
    gdi::DC* GetHandle() const override;
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
    // Scratch for point conversions, so that drawing does not allocate.
    std::vector<gdi::POINT> FPoints;
    bool FMonochrome = false;

    // ---- 3D half: projection, 3D primitives and the off-screen buffer ----
};

} // namespace vur
