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

HPEN VurCreatePenSmallDots(TColor Color, int SmallSpace) { return CreateDottedPen(Color, SmallSpace); }

void ApplyPenWidthRule(TPen& Pen) {
    if (VurDrawSettings().VurCheckPenWidth && Pen.GetStyle() != psSolid && Pen.GetWidth() == 1)
        Pen.SetWidth(0);
}

void VurSetVurPen(TPen& TargetPen, const TChartPen& Pen, TColor Color) {
    if (Pen.GetSmallDots()) {
        TargetPen.SetMode(Pen.GetMode());
        TargetPen.SetHandle(VurCreatePenSmallDots(Color, Pen.GetSmallSpace()));
        return;
    }
    TargetPen.AssignPen(Pen);
    if (TargetPen.GetColor() != Color) TargetPen.SetColor(Color);
    if (Pen.GetWidth() < 2) {
        ApplyPenWidthRule(TargetPen);
        return;
    }
    TargetPen.SetHandle(CreateGeometricPen(Pen.GetStyle(), Pen.GetWidth(), Color, Pen.GetEndStyle()));
    TargetPen.SetMode(Pen.GetMode());
}

} // namespace vur
