// TSumFunction: point k is the sum of the sources' values at k, at the first
// source's position k. It gives as many points as the shortest source.
#pragma once

#include "chart/DaZezava/Function.h"

namespace vur {

class TSumFunction : public TVurFunction {
public:
    using TVurFunction::TVurFunction;
    std::string ClassName() const override { return "TSumFunction"; }

protected:
    int CalculatedCount(TSources Sources) const override { return CommonCount(Sources); }
    void Calculate(TSources Sources, int Index, double& Position, double& Value) const override;
};

} // namespace vur
