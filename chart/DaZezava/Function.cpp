#include "chart/DaZezava/Function.h"

#include "chart/DaZezava/Series.h"

#include <algorithm>

namespace vur {

TVurFunction::TSources TVurFunction::CollectSources() {
    FSources.clear();
    for (TComponent* Source : FParentSeries->GetDataSources())
        if (auto* Series = dynamic_cast<TChartSeries*>(Source)) FSources.push_back(Series);
    return FSources;
}

int TVurFunction::CommonCount(TSources Sources) {
    if (Sources.empty()) return 0;
    int Result = Sources.front()->Count();
    for (const TChartSeries* Source : Sources) Result = std::min(Result, Source->Count());
    return Result;
}

void TVurFunction::AddPoints(TSources Sources, int From) {
    const int Count = CalculatedCount(Sources);
    for (int Index = From; Index < Count; ++Index) {
        double Position = 0;
        double Value = 0;
        Calculate(Sources, Index, Position, Value);
        if (FParentSeries->GetYMandatory())
            FParentSeries->AddXY(Position, Value);
        else
            FParentSeries->AddXY(Value, Position);
    }
}

TComponent* TVurFunction::GetParentComponent() const { return FParentSeries; }

void TVurFunction::SetParentComponent(TComponent* Value) {
    if (auto* Series = dynamic_cast<TChartSeries*>(Value)) Series->SetFunction(this);
}

void TVurFunction::ReCalculate() {
    if (FParentSeries == nullptr || FParentSeries->HasState(csLoading)) return;
    const TSources Sources = CollectSources();
    FParentSeries->WithinUpdate([&] {
        FParentSeries->Clear();
        AddPoints(Sources, 0);
    });
}

void TVurFunction::AddedValue(TChartSeries* Source, int ValueIndex) {
    if (FParentSeries == nullptr) return;
    const TSources Sources = CollectSources();
    if (ValueIndex == Source->Count() - 1 && FParentSeries->Count() <= CalculatedCount(Sources))
        AddPoints(Sources, FParentSeries->Count());
    else
        ReCalculate();
}

} // namespace vur
