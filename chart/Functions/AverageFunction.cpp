#include "chart/Functions/AverageFunction.h"

#include "chart/DaZezava/Series.h"

namespace vur {

void TAverageFunction::Calculate(TSources Sources, int Index, double& Position, double& Value) const {
    Position = Sources.front()->GetNotMandatoryValueList()->GetValue(Index);
    double Total = 0;
    for (const TChartSeries* Source : Sources) Total += Source->GetMandatoryValueList()->GetValue(Index);
    Value = Total / static_cast<double>(Sources.size());
}

} // namespace vur
