#include "chart/RoVedure/ChartPen.h"

#include "chart/RoVedure/DrawSettings.h"
#include "framework/SystemColors.h"

namespace vur {

TChartPen::TChartPen(TNotifyEvent AOnChange) { OnChange = std::move(AOnChange); }

void TChartPen::Assign(const TPersistent* Source) {
    if (const auto* Pen = dynamic_cast<const TChartPen*>(Source)) {
        if (Pen == this) return;
        const bool Differs = FVisible != Pen->FVisible || FSmallDots != Pen->FSmallDots ||
                             FSmallSpace != Pen->FSmallSpace || FEndStyle != Pen->FEndStyle;
        FVisible = Pen->FVisible;
        FSmallDots = Pen->FSmallDots;
        FSmallSpace = Pen->FSmallSpace;
        FEndStyle = Pen->FEndStyle;
        const std::uint32_t Before = GetVersion();
        TPen::Assign(Source);
        if (Differs && GetVersion() == Before) Changed();
        return;
    }
    TPen::Assign(Source);
}

void TChartPen::SetVisible(bool Value) {
    if (FVisible == Value) return;
    FVisible = Value;
    Changed();
}

void TChartPen::SetEndStyle(TPenEndStyle Value) {
    if (FEndStyle == Value) return;
    FEndStyle = Value;
    Changed();
}

void TChartPen::SetSmallDots(bool Value) {
    if (FSmallDots == Value) return;
    FSmallDots = Value;
    Changed();
}

void TChartPen::SetSmallSpace(int Value) {
    if (FSmallSpace == Value) return;
    FSmallSpace = Value;
    Changed();
}

void TChartPen::InitVisible(bool Value) {
    FVisible = Value;
    FDefaultVisible = Value;
}

void TChartPen::InitEndStyle(TPenEndStyle Value) {
    FEndStyle = Value;
    FDefaultEndStyle = Value;
}

void TChartPen::InitColor(TColor Value) {
    const TNotifyEvent Saved = std::move(OnChange);
    SetColor(Value);
    OnChange = Saved;
    FDefaultColor = Value;
}

void TChartPen::InitStyle(TPenStyle Value) {
    const TNotifyEvent Saved = std::move(OnChange);
    SetStyle(Value);
    OnChange = Saved;
    FDefaultStyle = Value;
}

TChartHiddenPen::TChartHiddenPen(TNotifyEvent AOnChange) : TChartPen(std::move(AOnChange)) {
    InitVisible(false);
}

TDottedGrayPen::TDottedGrayPen(TNotifyEvent AOnChange) : TChartPen(std::move(AOnChange)) {
    InitColor(clGray);
    InitStyle(psDot);
}

TDarkGrayPen::TDarkGrayPen(TNotifyEvent AOnChange) : TChartPen(std::move(AOnChange)) { InitColor(clGray); }

TWhitePen::TWhitePen(TNotifyEvent AOnChange) : TChartPen(std::move(AOnChange)) { InitColor(clWhite); }

gdi::Pen VurCreatePenSmallDots(TColor Color, int SmallSpace) {
    gdi::LOGBRUSH Brush;
    Brush.lbStyle = gdi::BS_SOLID;
    Brush.lbColor = ColorToRGB(Color);
    if (SmallSpace <= 0) return gdi::ExtCreatePen(gdi::PS_COSMETIC | gdi::PS_ALTERNATE, 1, Brush, 0, nullptr);
    // One pixel on, SmallSpace off, walked pixel by pixel: a dot every
    // SmallSpace + 1 pixels, the same on every slope.
    const unsigned Pattern[2] = {1, static_cast<unsigned>(SmallSpace)};
    return gdi::ExtCreatePen(gdi::PS_COSMETIC | gdi::PS_USERSTYLE, 1, Brush, 2, Pattern);
}

namespace {

void ApplyWidthRule(TPen& Pen) {
    if (VurDrawSettings().VurCheckPenWidth && Pen.GetStyle() != psSolid && Pen.GetWidth() == 1)
        Pen.SetWidth(0);
}

} // namespace

void VurSetVurPen(TPen& TargetPen, const TChartPen& Pen, TColor Color) {
    if (Pen.GetSmallDots()) {
        TargetPen.SetMode(Pen.GetMode());
        TargetPen.SetHandle(VurCreatePenSmallDots(Color, Pen.GetSmallSpace()));
        return;
    }
    TargetPen.Assign(&Pen);
    if (TargetPen.GetColor() != Color) TargetPen.SetColor(Color);
    if (Pen.GetWidth() < 2) {
        ApplyWidthRule(TargetPen);
        return;
    }
    static constexpr unsigned Styles[] = {gdi::PS_SOLID,      gdi::PS_DASH,       gdi::PS_DOT,
                                          gdi::PS_DASHDOT,    gdi::PS_DASHDOTDOT, gdi::PS_NULL,
                                          gdi::PS_INSIDEFRAME};
    static constexpr unsigned Ends[] = {gdi::PS_ENDCAP_ROUND | gdi::PS_JOIN_ROUND,
                                        gdi::PS_ENDCAP_SQUARE | gdi::PS_JOIN_BEVEL,
                                        gdi::PS_ENDCAP_FLAT | gdi::PS_JOIN_MITER};
    gdi::LOGBRUSH Brush;
    Brush.lbStyle = gdi::BS_SOLID;
    Brush.lbColor = ColorToRGB(Color);
    const unsigned Style = gdi::PS_GEOMETRIC |
                           Styles[Pen.GetStyle() <= psInsideFrame ? Pen.GetStyle() : psSolid] |
                           Ends[Pen.GetEndStyle() <= esFlat ? Pen.GetEndStyle() : esRound];
    TargetPen.SetHandle(gdi::ExtCreatePen(Style, static_cast<unsigned>(Pen.GetWidth()), Brush, 0, nullptr));
    TargetPen.SetMode(Pen.GetMode());
}

} // namespace vur
