// What a chart brush stores: colour (automatic unless set) and style.
#include "chart/ChartClasses.h"
#include "chart/RoVedure/ChartBrush.h"
#include "framework/Published.h"

namespace vur {

void DeclareChartBrushProperties() {
    TDeclare<TChartBrush>("TChartBrush", "TBrush")
        .Color("Color", &TChartBrush::GetColor, &TChartBrush::SetColor)
        .NoDefault()
        .Stored(&TChartBrush::IsColorStored)
        .Enum<TBrushStyle>("Style", TypeBrushStyle, &TChartBrush::GetStyle, &TChartBrush::SetStyle)
        .NoDefault()
        .Stored(&TChartBrush::IsStyleStored);
}

} // namespace vur
