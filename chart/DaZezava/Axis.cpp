#include "chart/DaZezava/Axis.h"

namespace vur {

TChartAxis::TChartAxis(TCustomAxisPanel* AParentChart, bool AHorizontal, bool AOtherSide, bool AIsDepthAxis)
    : FParentChart(AParentChart), FHorizontal(AHorizontal), FOtherSide(AOtherSide),
      FIsDepthAxis(AIsDepthAxis) {}

TChartAxis* TChartAxes::Add(std::unique_ptr<TChartAxis> Axis) {
    FItems.push_back(std::move(Axis));
    return FItems.back().get();
}

} // namespace vur
