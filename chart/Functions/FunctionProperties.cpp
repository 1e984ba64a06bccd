// What a function stores: its class (the record of a child of its series)
// and, for the moving average, its period.
#include "chart/ChartClasses.h"
#include "chart/Functions/AverageFunction.h"
#include "chart/Functions/MovingAverageFunction.h"
#include "chart/Functions/SumFunction.h"
#include "framework/Published.h"

namespace vur {

void DeclareFunctionProperties() {
    TDeclare<TVurFunction>("TVurFunction", "TComponent");
    TDeclare<TAverageFunction>("TAverageFunction", "TVurFunction").Creatable();
    TDeclare<TSumFunction>("TSumFunction", "TVurFunction").Creatable();
    using M = TMovingAverageFunction;
    TDeclare<M>("TMovingAverageFunction", "TVurFunction")
        .Int("Period", &M::GetPeriod, &M::SetPeriod)
        .Default(10)
        .Creatable();
    RegisterClass("TAverageFunction");
    RegisterClass("TSumFunction");
    RegisterClass("TMovingAverageFunction");
}

} // namespace vur
