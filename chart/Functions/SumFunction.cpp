#include "chart/Functions/SumFunction.h"

#include "chart/DaZezava/Series.h"

namespace vur {

void TSumFunction::Calculate(TSources Sources, int Index, double& Position, double& Value) const {
    Position = Sources.front()->GetNotMandatoryValueList()->GetValue(Index);
    Value = 0;
    for (const TChartSeries* Source : Sources) Value += Source->GetMandatoryValueList()->GetValue(Index);
}

} // namespace vur
