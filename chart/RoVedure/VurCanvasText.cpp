// Text output of the chart canvas: shadow, outline and rotated labels.
#include "chart/RoVedure/Blend.h"
#include "chart/RoVedure/DrawSettings.h"
#include "chart/RoVedure/VurCanvas3D.h"
#include "chart/RoVedure/VurFont.h"
#include "framework/Rounding.h"
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

void TVurCanvas3D::TextOutBody(int X, int Y, const std::string& Text) {
    gdi::DC& DC = FCanvas->GetHandle();
    const TColor FontColor = FFont->GetColor();
    DC.SetTextColor(ColorToRGB(FontColor) & 0xFFFFFF);
    const TChartHiddenPen* OutLine = FFontCurrent ? FFontCurrent->GetOutLineObject() : nullptr;
    if (!OutLine || !OutLine->GetVisible()) {
        FCanvas->RequiredState();
        DC.TextOut(X, Y, Text);
        return;
    }
    AssignVisiblePen(OutLine);
    FBrush->SetBitmap(nullptr);
    FBrush->SetStyle(bsSolid);
    FBrush->SetColor(FontColor);
    SetBackMode(cbmTransparent);
    FCanvas->RequiredState();
    DC.BeginPath();
    DC.TextOut(X, Y, Text);
    DC.EndPath();
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
