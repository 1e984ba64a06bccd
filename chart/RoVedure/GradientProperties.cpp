// What a gradient stores; a middle colour only while one is in use.
#include "chart/ChartClasses.h"
#include "chart/RoVedure/Gradient.h"
#include "framework/Published.h"

namespace vur {

namespace {
constexpr const char* DirectionNames[] = {"gdTopBottom",  "gdBottomTop",   "gdLeftRight",      "gdRightLeft",
                                          "gdFromCenter", "gdFromTopLeft", "gdFromBottomLeft", "gdRadial",
                                          "gdDiagonalUp", "gdDiagonalDown"};
constexpr TTypeInfo TypeGradientDirection = EnumTypeInfo("TGradientDirection", DirectionNames);
} // namespace

void DeclareGradientProperties() {
    using G = TCustomVurGradient;
    TDeclare<G>("TCustomVurGradient", "TPersistent")
        .Int("Balance", &G::GetBalance, &G::SetBalance)
        .Default(50)
        .Enum<TGradientDirection>("Direction", TypeGradientDirection, &G::GetDirection, &G::SetDirection)
        .Default(gdTopBottom)
        .Color("EndColor", &G::GetEndColor, &G::SetEndColor)
        .Default(clYellow)
        .Color("MidColor", &G::GetMidColor, &G::SetMidColor)
        .Default(clNone)
        .Int("RadialX", &G::GetRadialX, &G::SetRadialX)
        .Default(0)
        .Int("RadialY", &G::GetRadialY, &G::SetRadialY)
        .Default(0)
        .Color("StartColor", &G::GetStartColor, &G::SetStartColor)
        .Default(clWhite)
        .Bool("Visible", &G::GetVisible, &G::SetVisible)
        .Default(false);
    TDeclare<TVurGradient>("TVurGradient", "TCustomVurGradient");
    TDeclare<TVurFontGradient>("TVurFontGradient", "TCustomVurGradient")
        .Bool("Outline", &TVurFontGradient::GetOutline, &TVurFontGradient::SetOutline)
        .Default(false);
}

} // namespace vur
