// What the framed boxes store. Classes that change a shape's defaults
// declare the property again with their own.
#include "chart/ChartClasses.h"
#include "chart/VurProcs/Shape.h"
#include "framework/Published.h"

namespace vur {

namespace {
constexpr const char* ShapeStyleNames[] = {"fosRectangle", "fosRoundRectangle"};
constexpr TTypeInfo TypeShapeStyle = EnumTypeInfo("TChartObjectShapeStyle", ShapeStyleNames);
constexpr const char* TextFormatNames[] = {"ttfNormal", "ttfHtml"};
constexpr TTypeInfo TypeTextFormat = EnumTypeInfo("TTextFormat", TextFormatNames);
} // namespace

void DeclareShapeProperties() {
    TDeclare<TVurCustomShapeBrushPen>("TVurCustomShapeBrushPen", "TPersistent")
        .Object("Brush", &TVurCustomShapeBrushPen::GetBrush)
        .Object("Frame", &TVurCustomShapeBrushPen::GetFrame)
        .Bool("Visible", &TVurCustomShapeBrushPen::GetVisible, &TVurCustomShapeBrushPen::SetVisible)
        .Default(true);
    using S = TVurCustomShape;
    TDeclare<S>("TVurCustomShape", "TVurCustomShapeBrushPen")
        .Enum<TBevelCut>("Bevel", TypeBevelCut, &S::GetBevel, &S::SetBevel)
        .Default(bvNone)
        .Int("BevelWidth", &S::GetBevelWidth, &S::SetBevelWidth)
        .Default(2)
        .Color("Color", &S::GetColor, &S::SetColor)
        .Default(clWhite)
        .Object("Font", &S::GetFont)
        .Object("Gradient", &S::GetGradient, &S::FindGradient)
        .Object("Shadow", &S::GetShadow, &S::FindShadow)
        .Enum<TChartObjectShapeStyle>("ShapeStyle", TypeShapeStyle, &S::GetShapeStyle, &S::SetShapeStyle)
        .Default(fosRectangle)
        .Enum<TTextFormat>("TextFormat", TypeTextFormat, &S::GetTextFormat, &S::SetTextFormat)
        .Default(ttfNormal)
        .Int("Transparency", &S::GetTransparency, &S::SetTransparency)
        .Default(0)
        .Bool("Transparent", &S::GetTransparent, &S::SetTransparent)
        .Default(false);
    using P = TVurCustomShapePosition;
    TDeclare<P>("TVurCustomShapePosition", "TVurCustomShape")
        .Bool("CustomPosition", &P::GetCustomPosition, &P::SetCustomPosition)
        .Stored(&P::IsCustomPositionStored)
        .Int("Left", &P::GetLeft, &P::SetLeft)
        .Stored(&P::GetCustomPosition)
        .Int("Top", &P::GetTop, &P::SetTop)
        .Stored(&P::GetCustomPosition);
}

} // namespace vur
