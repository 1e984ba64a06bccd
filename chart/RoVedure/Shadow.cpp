#include "chart/RoVedure/Shadow.h"

#include <algorithm>

namespace vur {

TVurShadow::TVurShadow(TNotifyEvent AOnChange, TColor DefaultColor, int DefaultSize)
    : OnChange(std::move(AOnChange)), FColor(DefaultColor), FDefaultColor(DefaultColor),
      FHorizSize(DefaultSize), FVertSize(DefaultSize), FDefaultSize(DefaultSize) {}

void TVurShadow::Assign(const TPersistent* Source) {
    if (const auto* Shadow = dynamic_cast<const TVurShadow*>(Source)) {
        if (Shadow == this) return;
        const bool Differs = FColor != Shadow->FColor || FHorizSize != Shadow->FHorizSize ||
                             FVertSize != Shadow->FVertSize || FSmooth != Shadow->FSmooth ||
                             FTransparency != Shadow->FTransparency;
        FColor = Shadow->FColor;
        FHorizSize = Shadow->FHorizSize;
        FVertSize = Shadow->FVertSize;
        FSmooth = Shadow->FSmooth;
        FTransparency = Shadow->FTransparency;
        if (Differs) Changed();
        return;
    }
    TPersistent::Assign(Source);
}

void TVurShadow::Changed() {
    if (OnChange) OnChange(this);
}

void TVurShadow::SetColor(TColor Value) {
    if (FColor == Value) return;
    FColor = Value;
    Changed();
}

void TVurShadow::SetHorizSize(int Value) {
    if (FHorizSize == Value) return;
    FHorizSize = Value;
    Changed();
}

void TVurShadow::SetVertSize(int Value) {
    if (FVertSize == Value) return;
    FVertSize = Value;
    Changed();
}

void TVurShadow::SetSmooth(bool Value) {
    if (FSmooth == Value) return;
    FSmooth = Value;
    Changed();
}

void TVurShadow::SetTransparency(TVurTransparency Value) {
    Value = std::clamp(Value, 0, 100);
    if (FTransparency == Value) return;
    FTransparency = Value;
    Changed();
}

void TVurShadow::SetSize(int Value) {
    if (FHorizSize == Value && FVertSize == Value) return;
    FHorizSize = Value;
    FVertSize = Value;
    Changed();
}

} // namespace vur
