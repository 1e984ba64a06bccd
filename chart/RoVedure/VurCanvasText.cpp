// Text output of the chart canvas: shadow, outline and rotated labels.
#include "chart/RoVedure/Blend.h"
#include "chart/RoVedure/DrawSettings.h"
#include "chart/RoVedure/VurCanvas3D.h"
#include "chart/RoVedure/VurFont.h"
#include "framework/ScopedValue.h"
#include "framework/SystemColors.h"
#include "platform/numeric/Rounding.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace vur {

void TVurCanvas3D::TextOut(int X, int Y, const std::string& Text) {
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
        FCanvas->TextOut(ShadowX, ShadowY, Text, Shadow->GetColor());
        if (Blend) EndBlending(std::move(Blend));
    }
    TextOutBody(X, Y, Text);
}

namespace {

TRect Union(const TRect& A, const TRect& B) {
    if (B.Right <= B.Left || B.Bottom <= B.Top) return A;
    return TRect{std::min(A.Left, B.Left), std::min(A.Top, B.Top), std::max(A.Right, B.Right),
                 std::max(A.Bottom, B.Bottom)};
}

} // namespace

void TVurCanvas3D::TextOutBody(int X, int Y, const std::string& Text) {
    const TColor FontColor = FFont->GetColor();
    const TChartHiddenPen* OutLine = FFontCurrent ? FFontCurrent->GetOutLineObject() : nullptr;
    const TVurFontGradient* Gradient = FFontCurrent ? FFontCurrent->GetGradientObject() : nullptr;
    const bool Outlined = OutLine && OutLine->GetVisible();
    const bool Filled = Gradient && Gradient->GetVisible();
    if (!Outlined && !Filled) {
        FCanvas->TextOut(X, Y, Text, FontColor);
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
        FCanvas->BeginPath();
        FCanvas->TextOut(X, Y, Text, FontColor);
        FCanvas->EndPath();
    };
    LayText();
    if (Filled) {
        if (Gradient->GetOutline() && !FCanvas->WidenPath()) {
            // A one-pixel outline pen cannot widen a path: a geometric pen
            // as wide draws the same outline.
            FCanvas->WidenPath(CreateGeometricPen(psSolid, std::max(1, OutLine ? OutLine->GetWidth() : 1),
                                                  ColorToRGB(FPen->GetColor()) & 0xFFFFFF, esRound));
        }
        // The text box, and for turned or bottom-aligned text whatever
        // the glyphs reach beyond it.
        const TRect Box = Union(TextBox(X, Y, Text), FCanvas->GetPathBounds());
        const std::optional<TClipArea> Saved = GetClipArea(*FCanvas);
        IntersectClipPath(*FCanvas);
        Gradient->Draw(*this, Box);
        SetClipArea(*FCanvas, Saved);
        if (Gradient->GetOutline() || !Outlined) return;
        LayText();
        FBrush->SetStyle(bsClear);
    }
    if (FontColor != clNone)
        FCanvas->StrokeAndFillPath();
    else
        FCanvas->StrokePath();
}

void TVurCanvas3D::RotateLabel(int X, int Y, const std::string& Text, double Angle) {
    // Whole turns above 360 are dropped; 360 itself stays.
    if (Angle > 360) {
        Angle = std::fmod(Angle, 360);
        if (Angle == 0) Angle = 360;
    }
    FBrush->SetStyle(bsClear);
    struct TTurn {
        int Orientation;
        std::uint8_t Quality;
        int Height;
    };
    int Height = FFont->GetHeight();
    if (GetZoomText() && GetZoomFactor() != 1) {
        const int Size = std::max(1, Round(FFont->GetSize() * GetZoomFactor()));
        Height = -MulDiv(Size, FFont->GetPixelsPerInch(), 72);
    }
    const TScopedValue Turned(
        TTurn{FFont->GetOrientation(), FFont->GetQuality(), FFont->GetHeight()},
        TTurn{Round(Angle * 10), static_cast<std::uint8_t>(VurDrawSettings().VurFontAntiAlias), Height},
        [this](const TTurn& Turn) {
            FFont->SetOrientation(Turn.Orientation);
            FFont->SetQuality(Turn.Quality);
            FFont->SetHeight(Turn.Height);
        });
    TextOut(X, Y, Text);
}

} // namespace vur
