// What a line series stores: its line, pointer and drawing settings, then
// (declared again so that they come last) its value lists.
#include "chart/ChartClasses.h"
#include "chart/Series/LineSeries.h"
#include "framework/Published.h"

namespace vur {

namespace {
constexpr const char* StackNames[] = {"cssNone", "cssOverlap", "cssStack", "cssStack100"};
constexpr TTypeInfo TypeSeriesStack = EnumTypeInfo("TCustomSeriesStack", StackNames);
} // namespace

void DeclareLineSeriesProperties() {
    TDeclare<TCustomLineSeries>("TCustomLineSeries", "TChartSeries")
        .Object("LinePen", &TCustomLineSeries::GetLinePen);
    using S = TCustomSeries;
    TDeclare<S>("TCustomSeries", "TCustomLineSeries")
        .Object("Brush", &S::GetBrush)
        .Bool("ClickableLine", &S::GetClickableLine, &S::SetClickableLine)
        .Default(true)
        .Bool("ColorEachLine", &S::GetColorEachLine, &S::SetColorEachLine)
        .Default(true)
        .Bool("Dark3D", &S::GetDark3D, &S::SetDark3D)
        .Default(true)
        .Bool("InvertedStairs", &S::GetInvertedStairs, &S::SetInvertedStairs)
        .Default(false)
        .Enum<TBrushStyle>("LineBrush", TypeBrushStyle, &S::GetLineBrush, &S::SetLineBrush)
        .Default(bsSolid)
        .Int("LineHeight", &S::GetLineHeight, &S::SetLineHeight)
        .Default(0)
        .Object("OutLine", &S::GetOutLine)
        .Object("Pointer", &S::GetPointer)
        .Object("Shadow", &S::GetShadow)
        .Enum<TCustomSeriesStack>("Stacked", TypeSeriesStack, &S::GetStacked, &S::SetStacked)
        .Default(cssNone)
        .Bool("Stairs", &S::GetStairs, &S::SetStairs)
        .Default(false)
        .Event("OnClickPointer", &S::OnClickPointer)
        .Object("XValues", &S::GetXValues)
        .Object("YValues", &S::GetYValues);
    TDeclare<TLineSeries>("TLineSeries", "TCustomSeries").Creatable();
}

} // namespace vur
