// What a chart font stores: what departs from the process's default face and
// size and from the font's own default colour and style; its outline,
// shadow and gradient only once they exist.
#include "chart/ChartClasses.h"
#include "chart/RoVedure/VurFont.h"
#include "framework/Published.h"

namespace vur {

void DeclareVurFontProperties() {
    TDeclare<TVurFont>("TVurFont", "TFont")
        .Ordinal<TFontCharset>("Charset", TypeFontCharset, &TVurFont::GetCharset, &TVurFont::SetCharset)
        .Stored(&TVurFont::IsCharsetStored)
        .Color("Color", &TVurFont::GetColor, &TVurFont::SetColor)
        .Stored(&TVurFont::IsColorStored)
        .Object("Gradient", &TVurFont::GetGradient, &TVurFont::GetGradientObject)
        .Int("Height", &TVurFont::GetHeight, &TVurFont::SetHeight)
        .Stored(&TVurFont::IsHeightStored)
        .Int("InterCharSize", &TVurFont::GetInterCharSize, &TVurFont::SetInterCharSize)
        .Stored(&TVurFont::IsInterCharSizeStored)
        .String("Name", &TVurFont::GetName, &TVurFont::SetName)
        .NoDefault()
        .Stored(&TVurFont::IsNameStored)
        .Object("OutLine", &TVurFont::GetOutLine, &TVurFont::GetOutLineObject)
        .Object("Shadow", &TVurFont::GetShadow, &TVurFont::GetShadowObject)
        .Ordinal<TFontStyles>("Style", TypeFontStyles, &TVurFont::GetStyle, &TVurFont::SetStyle)
        .Stored(&TVurFont::IsStyleStored);
}

} // namespace vur
