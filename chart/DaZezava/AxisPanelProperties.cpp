// The axis panel in the registry; the chart publishes its settings
// (chart/Chart/ChartProperties.cpp).
#include "chart/ChartClasses.h"
#include "chart/DaZezava/AxisPanel.h"
#include "framework/Published.h"

namespace vur {

void DeclareAxisPanelProperties() {
    TDeclare<TCustomAxisPanel>("TCustomAxisPanel", "TCustomVurPanelExtended");
}

} // namespace vur
