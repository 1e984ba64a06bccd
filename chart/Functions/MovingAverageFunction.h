// TMovingAverageFunction: the mean of the first source's last Period values,
// at each of its positions from the Period-th on. A source of N points gives
// N - Period + 1 points (none while it has fewer than Period).
#pragma once

#include "chart/DaZezava/Function.h"

namespace vur {

class TMovingAverageFunction : public TVurFunction {
public:
    using TVurFunction::TVurFunction;
    std::string ClassName() const override { return "TMovingAverageFunction"; }

    int GetPeriod() const { return FPeriod; }
    // At least 1; a change recalculates.
    void SetPeriod(int Value);

protected:
    int CalculatedCount(TSources Sources) const override;
    void Calculate(TSources Sources, int Index, double& Position, double& Value) const override;

private:
    int FPeriod = 10;
};

} // namespace vur
