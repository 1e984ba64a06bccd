// What a shadow stores: what departs from its owner's defaults.
#include "chart/ChartClasses.h"
#include "chart/RoVedure/Shadow.h"
#include "framework/Published.h"

namespace vur {

void DeclareShadowProperties() {
    TDeclare<TVurShadow>("TVurShadow", "TPersistent")
        .Color("Color", &TVurShadow::GetColor, &TVurShadow::SetColor)
        .Stored(&TVurShadow::IsColorStored)
        .Int("HorizSize", &TVurShadow::GetHorizSize, &TVurShadow::SetHorizSize)
        .Stored(&TVurShadow::IsHorizSizeStored)
        .Int("Size", &TVurShadow::GetSize, &TVurShadow::SetSize)
        .NotStored()
        .Bool("Smooth", &TVurShadow::GetSmooth, &TVurShadow::SetSmooth)
        .Stored(&TVurShadow::IsSmoothStored)
        .Int("Transparency", &TVurShadow::GetTransparency, &TVurShadow::SetTransparency)
        .Stored(&TVurShadow::IsTransparencyStored)
        .Int("VertSize", &TVurShadow::GetVertSize, &TVurShadow::SetVertSize)
        .Stored(&TVurShadow::IsVertSizeStored);
}

} // namespace vur
