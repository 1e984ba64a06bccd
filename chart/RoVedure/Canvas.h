// TVurCanvas: the 2D drawing interface every chart element draws through.
// Drawing code configures it from the chart's style objects (AssignVisiblePen,
// AssignBrush, AssignFont) and then draws in integer pixels. The virtual
// operations are in the order the chart's canvas classes extend them; the few
// with a body here are shared by every canvas.
#pragma once

#include "framework/DeviceSeam.h"
#include "framework/Graphics.h"
#include "framework/Types.h"

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace vur {

class TChartBrush;
class TChartPen;
class TVurBlend;
class TVurFont;

enum TGradientDirection : std::uint8_t {
    gdTopBottom,
    gdBottomTop,
    gdLeftRight,
    gdRightLeft,
    gdFromCenter,
    gdFromTopLeft,
    gdFromBottomLeft,
    gdRadial,
    gdDiagonalUp,
    gdDiagonalDown
};
// Percent, 0..100.
using TVurTransparency = int;

// Text alignment flags of the target.
constexpr unsigned TA_LEFT = 0;
constexpr unsigned TA_RIGHT = 2;
constexpr unsigned TA_CENTER = 6;
constexpr unsigned TA_TOP = 0;
constexpr unsigned TA_BOTTOM = 8;
constexpr unsigned TA_BASELINE = 24;

class TVurCanvas {
public:
    TVurCanvas();
    TVurCanvas(const TVurCanvas&) = delete;
    TVurCanvas& operator=(const TVurCanvas&) = delete;
    virtual ~TVurCanvas();

    virtual TColor GetBackColor() const = 0;
    virtual TCanvasBackMode GetBackMode() const = 0;
    virtual HDC GetHandle() const = 0;
    virtual bool GetMonochrome() const = 0;
    virtual TColor GetPixel(int X, int Y) const = 0;
    virtual bool GetSupportsFullRotation() const = 0;
    virtual unsigned GetTextAlign() const = 0;
    virtual bool GetUseBuffer() const = 0;
    virtual void SetBackColor(TColor Color) = 0;
    virtual void SetBackMode(TCanvasBackMode Mode) = 0;
    virtual void SetMonochrome(bool Value) = 0;
    virtual void SetPixel(int X, int Y, TColor Color) = 0;
    virtual void SetTextAlign(unsigned Flags) = 0;
    virtual void SetUseBuffer(bool Value) = 0;
    // Pen is a TChartPen or a plain framework pen.
    virtual void AssignVisiblePenColor(const TPen* Pen, TColor Color);
    // The same for a pen known to be a TChartPen, without the type test.
    void AssignVisiblePenColor(const TChartPen* Pen, TColor Color);
    // The caller hands the blend back to EndBlending, which frees it.
    virtual std::unique_ptr<TVurBlend> BeginBlending(const TRect& R, TVurTransparency Transparency);
    virtual void EndBlending(std::unique_ptr<TVurBlend> Blend);
    virtual void Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) = 0;
    virtual void Donut(int XCenter, int YCenter, int XRadius, int YRadius, double StartAngle, double EndAngle,
                       double HolePercent) = 0;
    virtual void Draw(int X, int Y, const TGraphic* Graphic) = 0;
    virtual void Ellipse(int X1, int Y1, int X2, int Y2) = 0;
    virtual void FillRect(const TRect& R) = 0;
    virtual void Frame3D(TRect& R, TColor TopColor, TColor BottomColor, int Width);
    virtual void LineTo(int X, int Y) = 0;
    virtual void MoveTo(int X, int Y) = 0;
    virtual void Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) = 0;
    virtual void Rectangle(int X0, int Y0, int X1, int Y1) = 0;
    virtual void RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3) = 0;
    virtual void StretchDraw(const TRect& R, const TGraphic* Graphic) = 0;
    virtual void TextOut(int X, int Y, const std::string& Text) = 0;
    virtual int TextWidth(const std::string& Text);
    virtual int TextHeight(const std::string& Text);
    virtual void ClipRectangle(const TRect& R) = 0;
    virtual void ClipRectangle(const TRect& R, int RoundSize);
    virtual void ClipEllipse(const TRect& R, bool Inverted);
    // The first NumPoints of Points, alternate fill rule.
    virtual void ClipPolygon(std::span<const TPoint> Points, int NumPoints);
    virtual void DoHorizLine(int X0, int X1, int Y) = 0;
    virtual void DoVertLine(int X, int Y0, int Y1) = 0;
    virtual void EraseBackground(const TRect& R) = 0;
    virtual void GradientFill(const TRect& R, TColor StartColor, TColor EndColor,
                              TGradientDirection Direction, int Balance) = 0;
    virtual void Invalidate() = 0;
    virtual void Line(int X0, int Y0, int X1, int Y1) = 0;
    // Point arrays come with their last index; at most Points.size() are used.
    virtual void Polyline(std::span<const TPoint> Points, int HighIndex) = 0;
    virtual void Polygon(std::span<const TPoint> Points, int HighIndex) = 0;
    virtual void RotateLabel(int X, int Y, const std::string& Text, double Angle) = 0;
    virtual void UnClipRectangle() = 0;

    // Makes Target the surface and takes its pen, brush and font as the
    // current objects (their own change notifications switched off).
    void SetCanvas(TCanvas* Target);
    TCanvas* GetReferenceCanvas() const { return FCanvas; }
    TPen* GetPen() const { return FPen; }
    TBrush* GetBrush() const { return FBrush; }
    TFont* GetFont() const { return FFont; }

    void ResetState();
    // Color fills; the brush's own colour is the background of hatches.
    void AssignBrush(const TChartBrush* Brush, TColor Color);
    void AssignBrushColor(const TChartBrush* Brush, TColor Color, TColor BackColor);
    void AssignVisiblePen(const TPen* Pen) { AssignVisiblePenColor(Pen, Pen->GetColor()); }
    void AssignVisiblePen(const TChartPen* Pen);
    void AssignFont(TVurFont* Font);

    void Rectangle(const TRect& R) { Rectangle(R.Left, R.Top, R.Right, R.Bottom); }
    void DoRectangle(const TRect& R) { Rectangle(R.Left, R.Top, R.Right, R.Bottom); }
    void Ellipse(const TRect& R) { Ellipse(R.Left, R.Top, R.Right, R.Bottom); }
    void RoundRect(const TRect& R, int X, int Y) { RoundRect(R.Left, R.Top, R.Right, R.Bottom, X, Y); }
    void Line(const TPoint& P0, const TPoint& P1) { Line(P0.X, P0.Y, P1.X, P1.Y); }
    // With AllowHtml the text is mark-up (see HtmlText.h).
    void TextOut(int X, int Y, const std::string& Text, bool AllowHtml);
    int GetFontHeight() { return TextHeight("W"); }
    // ApplyDark of Color, made the back colour under a hatch brush, else the brush colour.
    void InternalDark(TColor Color, int Quantity);
    // Replaces Points by their convex hull; false (unchanged) below 3 points.
    static bool ConvexHull(std::vector<TPoint>& Points);

    const TRect& GetBounds() const { return FBounds; }
    TVurFont* GetCurrentFont() const { return FFontCurrent; }
    double GetFontZoom() const { return FFontZoom; }
    void SetFontZoom(double Value) { FFontZoom = Value; }
    int GetBlendTransparency() const { return FBlendTransparency; }

    // Forgets Font when it is the current chart font (it goes away, or another
    // canvas takes it over).
    void ReleaseFont(const TVurFont* Font);

    // The bitmap gradient bands are painted through, one for bands of rows
    // and one for bands of columns: kept, so a repaint allocates none.
    TBitmap& BandPattern(bool Rows) { return FBandPatterns[Rows ? 1 : 0]; }

protected:
    // The box a text at (X, Y) covers, after the horizontal alignment.
    TRect TextBox(int X, int Y, const std::string& Text);

    TCanvas* FCanvas = nullptr;
    TFont* FFont = nullptr;
    TPen* FPen = nullptr;
    TBrush* FBrush = nullptr;
    int FBlendTransparency = 0;
    TRect FBounds;
    TVurFont* FFontCurrent = nullptr;
    double FFontZoom = 100;
    std::array<TBitmap, 2> FBandPatterns;
};

} // namespace vur
