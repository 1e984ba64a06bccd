// What a title stores: its lines as "Text.Strings", and the shape
// properties with a title's own defaults (transparent).
#include "chart/Chart/Title.h"
#include "chart/ChartClasses.h"
#include "framework/Published.h"

namespace vur {

namespace {
constexpr const char* AlignmentNames[] = {"taLeftJustify", "taRightJustify", "taCenter"};
constexpr TTypeInfo TypeAlignment = EnumTypeInfo("TAlignment", AlignmentNames);
} // namespace

void DeclareTitleProperties() {
    using T = TChartTitle;
    TDeclare<T>("TChartTitle", "TVurCustomShapePosition")
        .Bool("AdjustFrame", &T::GetAdjustFrame, &T::SetAdjustFrame)
        .Default(true)
        .Enum<TAlignment>("Alignment", TypeAlignment, &T::GetAlignment, &T::SetAlignment)
        .Default(taCenter)
        .Object("Text", &T::GetText)
        .Bool("Transparent", &T::GetTransparent, &T::SetTransparent)
        .Default(true);
    TDeclare<TChartFootTitle>("TChartFootTitle", "TChartTitle");
}

} // namespace vur
