#include "chart/DaZezava/AxisItems.h"

namespace vur {

TAxisLabelFormat::TAxisLabelFormat(TCustomVurPanel* AParent) : TVurCustomShape(AParent) {
    InitTransparent(true);
}

TAxisItem::TAxisItem(TCustomVurPanel* AParent, double AValue, const std::string& AText)
    : TAxisLabelFormat(AParent), FValue(AValue), FText(AText) {}

TAxisItems::TAxisItems(TCustomVurPanel* AParent)
    : FParent(AParent), FFormat(std::make_unique<TAxisLabelFormat>(AParent)) {}

TAxisItem* TAxisItems::Add(double Value, const std::string& Text) {
    FItems.push_back(std::make_unique<TAxisItem>(FParent, Value, Text));
    FParent->Invalidate();
    return FItems.back().get();
}

void TAxisItems::Delete(int Index) {
    FItems.erase(FItems.begin() + Index);
    FParent->Invalidate();
}

void TAxisItems::Clear() {
    if (FItems.empty()) return;
    FItems.clear();
    FParent->Invalidate();
}

} // namespace vur
