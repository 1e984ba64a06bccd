// What a series pointer stores. Its style, margins flag and visibility are
// always stored, whatever the series' defaults.
#include "chart/ChartClasses.h"
#include "chart/DaZezava/Pointer.h"
#include "framework/Published.h"

namespace vur {

namespace {
constexpr const char* PointerStyleNames[] = {
    "psRectangle", "psCircle",  "psTriangle", "psDownTriangle", "psCross",        "psDiagCross",
    "psStar",      "psDiamond", "psSmallDot", "psNothing",      "psLeftTriangle", "psRightTriangle"};
} // namespace

constinit const TTypeInfo TypeSeriesPointerStyle = EnumTypeInfo("TSeriesPointerStyle", PointerStyleNames);

void DeclarePointerProperties() {
    using P = TSeriesPointer;
    TDeclare<P>("TSeriesPointer", "TPersistent")
        .Object("Brush", &P::GetBrush)
        .Bool("Dark3D", &P::GetDark3D, &P::SetDark3D)
        .Default(true)
        .Bool("Draw3D", &P::GetDraw3D, &P::SetDraw3D)
        .Default(true)
        .Object("Gradient", &P::GetGradient)
        .Int("HorizSize", &P::GetHorizSize, &P::SetHorizSize)
        .Default(4)
        .Bool("InflateMargins", &P::GetInflateMargins, &P::SetInflateMargins)
        .Object("Pen", &P::GetPen)
        .Enum<TSeriesPointerStyle>("Style", TypeSeriesPointerStyle, &P::GetStyle, &P::SetStyle)
        .Int("Transparency", &P::GetTransparency, &P::SetTransparency)
        .Default(0)
        .Int("VertSize", &P::GetVertSize, &P::SetVertSize)
        .Default(4)
        .Bool("Visible", &P::GetVisible, &P::SetVisible);
}

} // namespace vur
