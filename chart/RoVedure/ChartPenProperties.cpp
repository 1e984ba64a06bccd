// What chart pens store: each only what departs from its kind's own defaults.
#include "chart/ChartClasses.h"
#include "chart/RoVedure/ChartPen.h"
#include "framework/Published.h"

namespace vur {

namespace {
constexpr const char* EndStyleNames[] = {"esRound", "esSquare", "esFlat"};
} // namespace

constinit const TTypeInfo TypePenEndStyle = EnumTypeInfo("TPenEndStyle", EndStyleNames);

void DeclareChartPenProperties() {
    TDeclare<TChartPen>("TChartPen", "TPen")
        .Color("Color", &TChartPen::GetColor, &TChartPen::SetColor)
        .NoDefault()
        .Stored(&TChartPen::IsColorStored)
        .Enum<TPenEndStyle>("EndStyle", TypePenEndStyle, &TChartPen::GetEndStyle, &TChartPen::SetEndStyle)
        .Stored(&TChartPen::IsEndStyleStored)
        .Enum<TPenMode>("Mode", TypePenMode, &TChartPen::GetMode, &TChartPen::SetMode)
        .Stored(&TChartPen::IsModeStored)
        .Bool("SmallDots", &TChartPen::GetSmallDots, &TChartPen::SetSmallDots)
        .Stored(&TChartPen::IsSmallDotsStored)
        .Int("SmallSpace", &TChartPen::GetSmallSpace, &TChartPen::SetSmallSpace)
        .Stored(&TChartPen::IsSmallSpaceStored)
        .Enum<TPenStyle>("Style", TypePenStyle, &TChartPen::GetStyle, &TChartPen::SetStyle)
        .Stored(&TChartPen::IsStyleStored)
        .Bool("Visible", &TChartPen::GetVisible, &TChartPen::SetVisible)
        .Stored(&TChartPen::IsVisibleStored)
        .Int("Width", &TChartPen::GetWidth, &TChartPen::SetWidth)
        .Stored(&TChartPen::IsWidthStored);
    TDeclare<TChartHiddenPen>("TChartHiddenPen", "TChartPen");
    TDeclare<TDottedGrayPen>("TDottedGrayPen", "TChartPen");
    TDeclare<TDarkGrayPen>("TDarkGrayPen", "TChartPen");
    TDeclare<TWhitePen>("TWhitePen", "TChartPen");
}

} // namespace vur
