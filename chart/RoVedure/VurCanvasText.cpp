// Text output of the chart canvas: shadow, outline and rotated labels.
#include "chart/RoVedure/Blend.h"
#include "chart/RoVedure/DrawSettings.h"
#include "chart/RoVedure/VurCanvas3D.h"
#include "chart/RoVedure/VurFont.h"
#include "platform/numeric/Rounding.h"
#include "framework/SystemColors.h"

#include <algorithm>
#include <cmath>

namespace vur {

void TVurCanvas3D::TextOut(int X, int Y, const std::string& Text) {
    gdi::DC& DC = FCanvas->GetHandle();
    const TVurShadow* Shadow = FFontCurrent ? FFontCurrent->GetShadowObject() : nullptr;
    if (Shadow && (Shadow->GetHorizSize() != 0 || Shadow->GetVertSize() != 0)) {
        int ShadowX = X, ShadowY = Y;
        // A negative size keeps the shadow at the reference point and moves the text instead.
        if (Shadow->GetHorizSize() < 0)
            X -= Shadow->GetHorizSize();
        else
            ShadowX += Shadow->GetHorizSize();
        if (Shadow->GetVertSize() < 0)
            Y -= Shadow->GetVertSize();
        else
            ShadowY += Shadow->GetVertSize();
        std::unique_ptr<TVurBlend> Blend;
        if (Shadow->GetTransparency() != 0)
            Blend = BeginBlending(TextBox(ShadowX, ShadowY, Text), Shadow->GetTransparency());
        FCanvas->RequiredState();
        DC.SetTextColor(ColorToRGB(Shadow->GetColor()) & 0xFFFFFF);
        DC.TextOut(ShadowX, ShadowY, Text);
        if (Blend) EndBlending(std::move(Blend));
    }
    TextOutBody(X, Y, Text);
}

namespace {

// The smallest rectangle holding every point of the path being recorded.
TRect PathBounds(const gdi::Path& Path) {
    double Left = 0, Top = 0, Right = 0, Bottom = 0;
    bool Any = false;
    for (const gdi::Path::Figure& F : Path.Figures())
        for (const gdi::PointF& P : F.Points) {
            Left = Any ? std::min(Left, P.X) : P.X;
            Top = Any ? std::min(Top, P.Y) : P.Y;
            Right = Any ? std::max(Right, P.X) : P.X;
            Bottom = Any ? std::max(Bottom, P.Y) : P.Y;
            Any = true;
        }
    if (!Any) return TRect{};
    return TRect{Trunc(std::floor(Left)), Trunc(std::floor(Top)), Trunc(std::ceil(Right)) + 1,
                 Trunc(std::ceil(Bottom)) + 1};
}

TRect Union(const TRect& A, const TRect& B) {
    if (B.Right <= B.Left || B.Bottom <= B.Top) return A;
    return TRect{std::min(A.Left, B.Left), std::min(A.Top, B.Top), std::max(A.Right, B.Right),
                 std::max(A.Bottom, B.Bottom)};
}

} // namespace

void TVurCanvas3D::TextOutBody(int X, int Y, const std::string& Text) {
    gdi::DC& DC = FCanvas->GetHandle();
    const TColor FontColor = FFont->GetColor();
    DC.SetTextColor(ColorToRGB(FontColor) & 0xFFFFFF);
    const TChartHiddenPen* OutLine = FFontCurrent ? FFontCurrent->GetOutLineObject() : nullptr;
    const TVurFontGradient* Gradient = FFontCurrent ? FFontCurrent->GetGradientObject() : nullptr;
    const bool Outlined = OutLine && OutLine->GetVisible();
    const bool Filled = Gradient && Gradient->GetVisible();
    if (!Outlined && !Filled) {
        FCanvas->RequiredState();
        DC.TextOut(X, Y, Text);
        return;
    }
    if (Outlined)
        AssignVisiblePen(OutLine);
    else
        FPen->SetStyle(psClear);
    FBrush->SetBitmap(nullptr);
    FBrush->SetStyle(bsSolid);
    FBrush->SetColor(FontColor);
    SetBackMode(cbmTransparent);
    const auto LayText = [&] {
        FCanvas->RequiredState();
        DC.BeginPath();
        DC.TextOut(X, Y, Text);
        DC.EndPath();
    };
    LayText();
    if (Filled) {
        if (Gradient->GetOutline() && !DC.WidenPath()) {
            // A one-pixel outline pen cannot widen a path: a geometric pen
            // as wide draws the same outline.
            gdi::LOGBRUSH Solid{gdi::BS_SOLID, ColorToRGB(FPen->GetColor()) & 0xFFFFFF, 0};
            const gdi::Pen Previous = DC.SelectObject(gdi::ExtCreatePen(
                gdi::PS_GEOMETRIC | gdi::PS_SOLID,
                static_cast<unsigned>(std::max(1, OutLine ? OutLine->GetWidth() : 1)), Solid, 0, nullptr));
            DC.WidenPath();
            DC.SelectObject(Previous);
        }
        // The text box, and for turned or bottom-aligned text whatever
        // the glyphs reach beyond it.
        const TRect Box = Union(TextBox(X, Y, Text), PathBounds(DC.GetPath()));
        gdi::Region Saved;
        const bool HadClip = DC.GetClipRgn(Saved) == 1;
        DC.SelectClipPath(gdi::RGN_AND);
        Gradient->Draw(*this, Box);
        DC.SelectClipRgn(HadClip ? &Saved : nullptr);
        if (Gradient->GetOutline() || !Outlined) return;
        LayText();
        FBrush->SetStyle(bsClear);
    }
    FCanvas->RequiredState();
    if (FontColor != clNone)
        DC.StrokeAndFillPath();
    else
        DC.StrokePath();
}

void TVurCanvas3D::RotateLabel(int X, int Y, const std::string& Text, double Angle) {
    // Whole turns above 360 are dropped; 360 itself stays.
    if (Angle > 360) {
        Angle = std::fmod(Angle, 360);
        if (Angle == 0) Angle = 360;
    }
    FBrush->SetStyle(bsClear);
    const gdi::Font Previous = FFont->GetHandle();
    gdi::LOGFONT Rotated = Previous.GetLogFont();
    Rotated.Escapement = Round(Angle * 10);
    Rotated.Orientation = Rotated.Escapement;
    Rotated.OutPrecision = gdi::OUT_TT_ONLY_PRECIS;
    Rotated.Quality = static_cast<std::uint8_t>(VurDrawSettings().VurFontAntiAlias);
    if (GetZoomText() && GetZoomFactor() != 1) {
        const int Size = std::max(1, Round(FFont->GetSize() * GetZoomFactor()));
        Rotated.Height = -MulDiv(Size, FFont->GetPixelsPerInch(), 72);
    }
    FFont->SetHandle(gdi::Font(Rotated));
    TextOut(X, Y, Text);
    FFont->SetHandle(Previous);
}

} // namespace vur
