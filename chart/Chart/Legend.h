// TChartLegend: the framed box that lists the chart's series or points. For
// now it carries only whether it is shown (Visible); the chart owns it as
// Legend and stores it with the chart.
#pragma once

#include "chart/VurProcs/Shape.h"

namespace vur {

class TChartLegend : public TVurCustomShapePosition {
public:
    explicit TChartLegend(TCustomVurPanel* AParent) : TVurCustomShapePosition(AParent) {}
    std::string ClassName() const override { return "TChartLegend"; }
};

} // namespace vur
