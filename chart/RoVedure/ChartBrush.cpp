#include "chart/RoVedure/ChartBrush.h"

namespace vur {

TChartBrush::TChartBrush(TNotifyEvent AOnChange) : OnChange(std::move(AOnChange)) {}

void TChartBrush::Assign(const TPersistent* Source) {
    if (const auto* Brush = dynamic_cast<const TChartBrush*>(Source)) {
        SetColor(Brush->FColor);
        return;
    }
    TPersistent::Assign(Source);
}

void TChartBrush::SetColor(TColor Value) {
    if (FColor == Value) return;
    FColor = Value;
    if (OnChange) OnChange(this);
}

} // namespace vur
