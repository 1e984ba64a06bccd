// The points of a stacked line series. Along the series' mandatory direction
// (Y unless the series lies along Y) each value sits on the sum of the values
// at its index of the series stacked under it: those earlier in the chart's
// list, active, of one class with it, counting only values of its own sign.
// 100 % stacking then scales each stack to a percentage of its total, the sum
// of the absolute values of every series of the stack at that index.
#pragma once

#include "chart/DaZezava/SeriesPoints.h"

namespace vur {

class TCustomSeries;

class TStackedPoints : public TValuePoints {
public:
    explicit TStackedPoints(const TCustomSeries& Series);
    std::span<const double> Values(bool AsX, int From, int Count, std::span<double> Scratch) const override;
    // The smallest (or largest) stacked value, or the list's own extreme beyond it.
    double Extent(bool Maximum) const;

private:
    // Writes the stacked values of the points From .. From + Out.size() - 1 into Out.
    void Stack(int From, std::span<double> Out) const;

    const TCustomSeries& FStacked;
};

} // namespace vur
