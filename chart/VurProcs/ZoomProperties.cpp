// What the zoom settings store; the rectangle's brush and pen only once they exist.
#include "chart/ChartClasses.h"
#include "chart/VurProcs/Zoom.h"
#include "framework/Published.h"

namespace vur {

namespace {
constexpr const char* DirectionNames[] = {"tzdHorizontal", "tzdVertical", "tzdBoth"};
constexpr TTypeInfo TypeZoomDirection = EnumTypeInfo("TVurZoomDirection", DirectionNames);
} // namespace

void DeclareZoomProperties() {
    TDeclare<TVurZoomBrush>("TVurZoomBrush", "TChartBrush")
        .Color("Color", &TVurZoomBrush::GetColor, &TVurZoomBrush::SetColor)
        .Default(clWhite)
        .Object("Gradient", &TVurZoomBrush::GetGradient, &TVurZoomBrush::FindGradient)
        .Enum<TBrushStyle>("Style", TypeBrushStyle, &TVurZoomBrush::GetStyle, &TVurZoomBrush::SetStyle)
        .Default(bsClear);
    TDeclare<TVurZoomPen>("TVurZoomPen", "TChartPen");
    using Z = TVurZoom;
    TDeclare<Z>("TVurZoom", "TPersistent")
        .Bool("Allow", &Z::GetAllow, &Z::SetAllow)
        .Default(true)
        .Bool("Animated", &Z::GetAnimated, &Z::SetAnimated)
        .Default(false)
        .Int("AnimatedSteps", &Z::GetAnimatedSteps, &Z::SetAnimatedSteps)
        .Default(8)
        .Object("Brush", &Z::GetBrush, &Z::FindBrush)
        .Enum<TVurZoomDirection>("Direction", TypeZoomDirection, &Z::GetDirection, &Z::SetDirection)
        .Default(tzdBoth)
        .Ordinal<TShiftState>("KeyShift", TypeShiftState, &Z::GetKeyShift, &Z::SetKeyShift)
        .Default(0)
        .Int("MinimumPixels", &Z::GetMinimumPixels, &Z::SetMinimumPixels)
        .Default(16)
        .Enum<TMouseButton>("MouseButton", TypeMouseButton, &Z::GetMouseButton, &Z::SetMouseButton)
        .Default(mbLeft)
        .Object("Pen", &Z::GetPen, &Z::FindPen)
        .Bool("UpLeftZooms", &Z::GetUpLeftZooms, &Z::SetUpLeftZooms)
        .Default(false);
}

} // namespace vur
