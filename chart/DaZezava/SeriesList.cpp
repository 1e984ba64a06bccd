#include "chart/DaZezava/SeriesList.h"

#include "chart/DaZezava/Series.h"

#include <algorithm>

namespace vur {

int TCustomSeriesList::IndexOf(const TChartSeries* Series) const {
    const auto It = std::find(FItems.begin(), FItems.end(), Series);
    return It == FItems.end() ? -1 : static_cast<int>(It - FItems.begin());
}

void TCustomSeriesList::ClearValues() const {
    for (TChartSeries* Series : FItems) Series->Clear();
}

void TCustomSeriesList::FillSampleValues(int Count) const {
    for (TChartSeries* Series : FItems) Series->FillSampleValues(Count);
}

void TCustomSeriesList::Exchange(int Index1, int Index2) {
    CheckIndex(Index1, Count());
    CheckIndex(Index2, Count());
    std::swap(FItems[static_cast<std::size_t>(Index1)], FItems[static_cast<std::size_t>(Index2)]);
}

TSeriesGroup* TChartSeriesList::AddGroup(const std::string& Name) {
    FGroups.push_back(std::make_unique<TSeriesGroup>(Name));
    return FGroups.back().get();
}

void TChartSeriesList::RemoveFromGroups(const TChartSeries* Series) {
    for (const auto& Group : FGroups) {
        const int Index = Group->Series.IndexOf(Series);
        if (Index >= 0) Group->Series.Delete(Index);
    }
}

bool TChartSeriesList::GetAllActive() const {
    for (int Index = 0; Index < Count(); ++Index)
        if (!Get(Index)->GetActive()) return false;
    return true;
}

void TChartSeriesList::SetAllActive(bool Value) const {
    for (int Index = 0; Index < Count(); ++Index) Get(Index)->SetActive(Value);
}

} // namespace vur
