// What a callout stores: its line pen and head, and the marker at the
// point's end with the callout's own defaults (hidden, flat, black fill is
// stored as a change of the automatic brush colour).
#include "chart/ChartClasses.h"
#include "chart/DaZezava/Callout.h"
#include "chart/DaZezava/Marks.h"
#include "framework/Published.h"

namespace vur {

namespace {
constexpr const char* ArrowHeadNames[] = {"ahNone", "ahLine", "ahSolid"};
constexpr TTypeInfo TypeArrowHeadStyle = EnumTypeInfo("TArrowHeadStyle", ArrowHeadNames);
} // namespace

void DeclareCalloutProperties() {
    using C = TCallout;
    TDeclare<C>("TCallout", "TPersistent")
        .Object("Arrow", &C::GetArrow)
        .Enum<TArrowHeadStyle>("ArrowHead", TypeArrowHeadStyle, &C::GetArrowHead, &C::SetArrowHead)
        .Default(ahNone)
        .Int("ArrowHeadSize", &C::GetArrowHeadSize, &C::SetArrowHeadSize)
        .Default(8)
        .Object("Brush", &C::GetBrush)
        .Bool("Dark3D", &C::GetDark3D, &C::SetDark3D)
        .Default(true)
        .Int("Distance", &C::GetDistance, &C::SetDistance)
        .Default(0)
        .Bool("Draw3D", &C::GetDraw3D, &C::SetDraw3D)
        .Default(false)
        .Int("HorizSize", &C::GetHorizSize, &C::SetHorizSize)
        .Default(4)
        .Bool("InflateMargins", &C::GetInflateMargins, &C::SetInflateMargins)
        .Default(true)
        .Object("Pen", &C::GetPen)
        .Enum<TSeriesPointerStyle>("Style", TypeSeriesPointerStyle, &C::GetStyle, &C::SetStyle)
        .Default(psRectangle)
        .Int("VertSize", &C::GetVertSize, &C::SetVertSize)
        .Default(4)
        .Bool("Visible", &C::GetVisible, &C::SetVisible)
        .Default(false);
    TDeclare<TMarksCallout>("TMarksCallout", "TCallout")
        .Int("Length", &TMarksCallout::GetLength, &TMarksCallout::SetLength)
        .Default(8);
}

} // namespace vur
