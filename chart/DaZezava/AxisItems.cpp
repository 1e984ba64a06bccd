#include "chart/DaZezava/AxisItems.h"

namespace vur {

TAxisLabelFormat::TAxisLabelFormat(TNotifyEvent OnChange)
    : FOnChange(std::move(OnChange)), FFont(std::make_unique<TVurFont>([this](TPersistent*) { Changed(); })) {
}

void TAxisLabelFormat::Changed() {
    if (FOnChange) FOnChange(this);
}

void TAxisLabelFormat::SetVisible(bool Value) {
    if (FVisible == Value) return;
    FVisible = Value;
    Changed();
}

void TAxisLabelFormat::SetTransparent(bool Value) {
    if (FTransparent == Value) return;
    FTransparent = Value;
    Changed();
}

TAxisItem::TAxisItem(TNotifyEvent OnChange, double AValue, const std::string& AText)
    : TAxisLabelFormat(std::move(OnChange)), FValue(AValue), FText(AText) {}

void TAxisItem::SetValue(double Value) {
    if (FValue == Value) return;
    FValue = Value;
    Changed();
}

void TAxisItem::SetText(const std::string& Value) {
    if (FText == Value) return;
    FText = Value;
    Changed();
}

TAxisItems::TAxisItems(TNotifyEvent OnChange)
    : FOnChange(std::move(OnChange)), FFormat(std::make_unique<TAxisLabelFormat>(FOnChange)) {}

TAxisItem* TAxisItems::Add(double Value, const std::string& Text) {
    FItems.push_back(std::make_unique<TAxisItem>(FOnChange, Value, Text));
    if (FOnChange) FOnChange(FItems.back().get());
    return FItems.back().get();
}

void TAxisItems::Delete(int Index) {
    FItems.erase(FItems.begin() + Index);
    if (FOnChange) FOnChange(nullptr);
}

void TAxisItems::Clear() {
    if (FItems.empty()) return;
    FItems.clear();
    if (FOnChange) FOnChange(nullptr);
}

} // namespace vur
