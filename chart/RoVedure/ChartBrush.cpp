#include "chart/RoVedure/ChartBrush.h"

namespace vur {

TChartBrush::TChartBrush(TNotifyEvent AOnChange) {
    SetColor(clDefault);
    OnChange = std::move(AOnChange);
}

TChartBrush::~TChartBrush() = default;

void TChartBrush::Assign(const TPersistent* Source) {
    if (const auto* Brush = dynamic_cast<const TChartBrush*>(Source)) {
        if (Brush == this) return;
        SetImage(Brush->FImage.get());
        SetColor(Brush->GetColor());
        SetStyle(Brush->GetStyle());
        return;
    }
    TBrush::Assign(Source);
}

void TChartBrush::ImageChanged() {
    if (OnChange) OnChange(this);
}

TPicture* TChartBrush::GetImage() {
    if (!FImage) {
        FImage = std::make_unique<TPicture>();
        FImage->OnChange = [this](TPersistent*) { ImageChanged(); };
    }
    return FImage.get();
}

void TChartBrush::SetImage(const TPicture* Value) {
    if (!Value) {
        if (!FImage) return;
        FImage.reset();
        ImageChanged();
        return;
    }
    GetImage()->Assign(Value);
}

const TGraphic* TChartBrush::GetImageGraphic() const {
    if (!FImage || !FImage->GetGraphic() || FImage->GetGraphic()->Empty()) return nullptr;
    return FImage->GetGraphic();
}

void TChartBrush::Clear() {
    SetStyle(bsClear);
    SetImage(nullptr);
}

} // namespace vur
