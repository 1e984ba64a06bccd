// What the legend stores so far: whether it is shown.
#include "chart/Chart/Legend.h"
#include "chart/ChartClasses.h"
#include "framework/Published.h"

namespace vur {

void DeclareLegendProperties() {
    TDeclare<TChartLegend>("TChartLegend", "TPersistent")
        .Bool("Visible", &TChartLegend::GetVisible, &TChartLegend::SetVisible)
        .Default(true);
}

} // namespace vur
