#include "chart/Functions/MovingAverageFunction.h"

#include "chart/DaZezava/Series.h"

#include <algorithm>

namespace vur {

void TMovingAverageFunction::SetPeriod(int Value) {
    Value = std::max(Value, 1);
    if (Value == FPeriod) return;
    FPeriod = Value;
    ReCalculate();
}

int TMovingAverageFunction::CalculatedCount(TSources Sources) const {
    return Sources.empty() ? 0 : std::max(Sources.front()->Count() - FPeriod + 1, 0);
}

void TMovingAverageFunction::Calculate(TSources Sources, int Index, double& Position, double& Value) const {
    const TChartSeries* Source = Sources.front();
    const int Last = Index + FPeriod - 1;
    Position = Source->GetNotMandatoryValueList()->GetValue(Last);
    double Total = 0;
    for (int Point = Index; Point <= Last; ++Point) Total += Source->GetMandatoryValueList()->GetValue(Point);
    Value = Total / FPeriod;
}

} // namespace vur
