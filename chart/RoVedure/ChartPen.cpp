#include "chart/RoVedure/ChartPen.h"

namespace vur {

TChartPen::TChartPen(TNotifyEvent AOnChange) : OnChange(std::move(AOnChange)) {}

void TChartPen::Assign(const TPersistent* Source) {
    if (const auto* Pen = dynamic_cast<const TChartPen*>(Source)) {
        if (Pen == this) return;
        const bool Differs = FColor != Pen->FColor || FWidth != Pen->FWidth || FVisible != Pen->FVisible;
        FColor = Pen->FColor;
        FWidth = Pen->FWidth;
        FVisible = Pen->FVisible;
        if (Differs) Changed();
        return;
    }
    TPersistent::Assign(Source);
}

void TChartPen::SetColor(TColor Value) {
    if (FColor == Value) return;
    FColor = Value;
    Changed();
}

void TChartPen::SetWidth(int Value) {
    if (FWidth == Value) return;
    FWidth = Value;
    Changed();
}

void TChartPen::SetVisible(bool Value) {
    if (FVisible == Value) return;
    FVisible = Value;
    Changed();
}

void TChartPen::InitVisible(bool Value) {
    FVisible = Value;
    FDefaultVisible = Value;
}

void TChartPen::Changed() {
    if (OnChange) OnChange(this);
}

TChartHiddenPen::TChartHiddenPen(TNotifyEvent AOnChange) : TChartPen(std::move(AOnChange)) {
    InitVisible(false);
}

} // namespace vur
