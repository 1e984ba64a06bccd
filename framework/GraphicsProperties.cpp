// What pens, brushes and fonts store.
#include "framework/FrameworkClasses.h"
#include "framework/Graphics.h"
#include "framework/Published.h"

namespace vur {

void DeclareGraphicsProperties() {
    TDeclare<TGraphicsObject>("TGraphicsObject", "TPersistent");
    TDeclare<TPen>("TPen", "TGraphicsObject")
        .Color("Color", &TPen::GetColor, &TPen::SetColor)
        .Default(clBlack)
        .Enum<TPenMode>("Mode", TypePenMode, &TPen::GetMode, &TPen::SetMode)
        .Default(pmCopy)
        .Enum<TPenStyle>("Style", TypePenStyle, &TPen::GetStyle, &TPen::SetStyle)
        .Default(psSolid)
        .Int("Width", &TPen::GetWidth, &TPen::SetWidth)
        .Default(1);
    TDeclare<TBrush>("TBrush", "TGraphicsObject")
        .Color("Color", &TBrush::GetColor, &TBrush::SetColor)
        .Default(clWhite)
        .Enum<TBrushStyle>("Style", TypeBrushStyle, &TBrush::GetStyle, &TBrush::SetStyle)
        .Default(bsSolid);
    // A form's font stores all it is; Size follows Height and is not stored.
    TDeclare<TFont>("TFont", "TGraphicsObject")
        .Ordinal<TFontCharset>("Charset", TypeFontCharset, &TFont::GetCharset, &TFont::SetCharset)
        .Color("Color", &TFont::GetColor, &TFont::SetColor)
        .Int("Height", &TFont::GetHeight, &TFont::SetHeight)
        .String("Name", &TFont::GetName, &TFont::SetName)
        .NoDefault()
        .Int("Size", &TFont::GetSize, &TFont::SetSize)
        .NotStored()
        .Ordinal<TFontStyles>("Style", TypeFontStyles, &TFont::GetStyle, &TFont::SetStyle);
    TDeclare<TGraphic>("TGraphic", "TGraphicsObject");
    TDeclare<TBitmap>("TBitmap", "TGraphic");
    TDeclare<TPicture>("TPicture", "TPersistent");
}

} // namespace vur
