// TChartAxis: one axis of a chart panel. So far it knows its direction and
// side, which is what series need to tell which axes they use; ranges,
// mapping and drawing come with the axes themselves.
#pragma once

#include "framework/Classes.h"

#include <memory>
#include <vector>

namespace vur {

class TCustomAxisPanel;

class TChartAxis : public TPersistent {
public:
    TChartAxis(TCustomAxisPanel* AParentChart, bool AHorizontal, bool AOtherSide, bool AIsDepthAxis = false);

    std::string ClassName() const override { return "TChartAxis"; }

    TCustomAxisPanel* GetParentChart() const { return FParentChart; }
    bool GetHorizontal() const { return FHorizontal; }
    // True for the top and right axes.
    bool GetOtherSide() const { return FOtherSide; }
    bool GetIsDepthAxis() const { return FIsDepthAxis; }

private:
    TCustomAxisPanel* FParentChart;
    bool FHorizontal;
    bool FOtherSide;
    bool FIsDepthAxis;
};

// The axes of one panel, in list order; owns them.
class TChartAxes {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    TChartAxis* Get(int Index) const { return FItems[static_cast<std::size_t>(Index)].get(); }
    TChartAxis* Add(std::unique_ptr<TChartAxis> Axis);

private:
    std::vector<std::unique_ptr<TChartAxis>> FItems;
};

} // namespace vur
