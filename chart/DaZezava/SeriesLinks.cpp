// How a series takes its points from other components: its source list, the
// series linked to it, the change protocol between a source series and its
// followers, the calculation function and the stored source names.
#include "chart/DaZezava/AxisPanel.h"
#include "chart/DaZezava/Function.h"
#include "chart/DaZezava/Series.h"
#include "chart/DaZezava/SeriesSource.h"
#include "chart/VurConst.h"
#include "framework/Exceptions.h"
#include "framework/Random.h"

#include <algorithm>
#include <utility>

namespace vur {

namespace {
template <class T>
bool Contains(const std::vector<T>& List, const T& Value) {
    return std::find(List.begin(), List.end(), Value) != List.end();
}
} // namespace

// ---------------------------------------------------------------- change protocol

void TChartSeries::NotifyValue(TValueEvent ValueEvent, int ValueIndex) {
    if (FUpdateCount > 0 || FLinkedSeries.empty()) return;
    ForEachLinkedSeries([&](TChartSeries* Series) {
        const TSeriesRecalcOptions Options = Series->FRecalcOptions;
        switch (ValueEvent) {
        case veClear:
            if (Options & rOnClear) Series->Clear();
            break;
        case veAdd:
            if (!(Options & rOnInsert)) break;
            if (Series->FFunction != nullptr)
                Series->FFunction->AddedValue(this, ValueIndex);
            else
                Series->AddedValue(this, ValueIndex);
            break;
        case veDelete:
            if (Options & rOnDelete) Series->DeletedValue(this, ValueIndex);
            break;
        case veModify:
            if (Options & rOnModify) Series->AddValues(this);
            break;
        case veRefresh:
            Series->AddValues(this);
            break;
        }
    });
}

int TChartSeries::AddChartValue(TChartSeries* Source, int ValueIndex) {
    double X = Source->FXValues->GetValue(ValueIndex);
    double Y = Source->FYValues->GetValue(ValueIndex);
    if (Source->FYMandatory != FYMandatory) std::swap(X, Y);
    const int Index = FXValues->AddChartValue(X);
    FYValues->InsertChartValue(Index, Y);
    for (int List = 2; List < FValueLists.Count(); ++List) {
        const double Value =
            List < Source->FValueLists.Count() ? Source->FValueLists.Get(List)->GetValue(ValueIndex) : 0.0;
        FValueLists.Get(List)->InsertChartValue(Index, Value);
    }
    return Index;
}

void TChartSeries::AddedValue(TChartSeries* Source, int ValueIndex) {
    const int Index = AddChartValue(Source, ValueIndex);
    // Keep the colour and label lists in step with the new point.
    const bool SourceHasColor = Source->FColors && ValueIndex < static_cast<int>(Source->FColors->size());
    if (FColors) {
        FColors->insert(FColors->begin() + Index,
                        SourceHasColor ? (*Source->FColors)[static_cast<std::size_t>(ValueIndex)]
                                       : clDefault);
    } else if (SourceHasColor) {
        InsertPointColor(Index, (*Source->FColors)[static_cast<std::size_t>(ValueIndex)]);
    }
    if (FLabels.Count() > 0 || ValueIndex < Source->FLabels.Count())
        FLabels.Insert(Index, Source->FLabels.Get(ValueIndex));
    NotifyNewValue(this, Index);
}

void TChartSeries::DeletedValue(TChartSeries* Source, int ValueIndex) {
    // A function series, or one that missed changes, is rebuilt instead.
    if (FFunction != nullptr || ValueIndex < 0 || ValueIndex >= Count())
        AddValues(Source);
    else
        Delete(ValueIndex);
}

void TChartSeries::DeletedValues(TChartSeries* Source, int Start, int Quantity) {
    if (FFunction != nullptr || Quantity > Count() - Start)
        AddValues(Source);
    else
        Delete(Start, Quantity);
}

void TChartSeries::AddValues(TChartSeries* Source) {
    WithinUpdate([&] {
        Clear();
        if (FFunction != nullptr) {
            FXValues->SetDateTime(Source->FXValues->GetDateTime());
            FYValues->SetDateTime(Source->FYValues->GetDateTime());
            FFunction->ReCalculate();
        } else if (IsValidSourceOf(Source)) {
            for (int Index = 0; Index < Source->Count(); ++Index) AddedValue(Source, Index);
        }
    });
}

// ---------------------------------------------------------------- links

void TChartSeries::AddLinkedSeries(TChartSeries* Series) {
    if (!Contains(FLinkedSeries, Series)) FLinkedSeries.push_back(Series);
}

void TChartSeries::RemoveLinkedSeries(TChartSeries* Series) {
    const auto It = std::find(FLinkedSeries.begin(), FLinkedSeries.end(), Series);
    if (It != FLinkedSeries.end()) FLinkedSeries.erase(It);
}

void TChartSeries::RemoveAllLinkedSeries() {
    while (!FLinkedSeries.empty()) {
        TChartSeries* Linked = FLinkedSeries.back();
        Linked->InternalRemoveDataSource(this);
        // Whatever the follower did, it no longer follows this series.
        RemoveLinkedSeries(Linked);
    }
}

bool TChartSeries::TakesDataFrom(const TChartSeries* Series) const {
    // The links form no cycle, but one source may be reached by many paths.
    std::vector<const TChartSeries*> Pending{this};
    std::vector<const TChartSeries*> Seen;
    while (!Pending.empty()) {
        const TChartSeries* Current = Pending.back();
        Pending.pop_back();
        if (Current == Series) return true;
        if (Contains(Seen, Current)) continue;
        Seen.push_back(Current);
        for (TComponent* Source : Current->FDataSources)
            if (const auto* SourceSeries = dynamic_cast<const TChartSeries*>(Source))
                Pending.push_back(SourceSeries);
    }
    return false;
}

void TChartSeries::CheckCircularSource(const TChartSeries* Source) const {
    if (Source->TakesDataFrom(this)) throw ChartException(VurMsg_CircularSeries);
}

void TChartSeries::SetDataSource(TComponent* Value) {
    if (Value == nullptr) {
        ClearDataSources();
        return;
    }
    InternalSetDataSource(Value, true);
}

void TChartSeries::InternalSetDataSource(TComponent* Value, bool Replace) {
    if (FParentChart == nullptr) throw ChartException(VurMsg_NoParentChart);
    if (!FParentChart->IsValidDataSource(this, Value))
        throw ChartException(VurFormat(VurMsg_InvalidDataSource, Value->GetName().c_str()));
    if (Contains(FDataSources, Value)) return;
    if (const auto* Source = dynamic_cast<const TChartSeries*>(Value))
        FParentChart->CheckOtherSeries(this, Source);
    if (Replace && !HasState(csLoading)) {
        ClearDataSources();
        if (!FDataLoaded) Clear();
    }
    InternalAddDataSource(Value);
    CheckDataSource();
}

void TChartSeries::InternalAddDataSource(TComponent* Value) {
    if (Value == nullptr || Contains(FDataSources, Value)) return;
    auto* SourceSeries = dynamic_cast<TChartSeries*>(Value);
    if (SourceSeries != nullptr) CheckCircularSource(SourceSeries);
    auto* SeriesSource = dynamic_cast<TVurSeriesSource*>(Value);
    if (SeriesSource != nullptr && SeriesSource->GetSeries() != this) {
        // A source fills one series: it leaves the one it filled, and moves
        // here with it when that series owned it.
        if (TChartSeries* Previous = SeriesSource->GetSeries()) {
            Previous->InternalRemoveDataSource(SeriesSource);
            if (SeriesSource->GetOwner() == Previous) InsertComponent(SeriesSource);
        }
        SeriesSource->InternalSetSeries(this);
    }
    FDataSources.push_back(Value);
    FDataLoaded = false;
    if (SourceSeries != nullptr)
        SourceSeries->AddLinkedSeries(this);
    else
        Value->FreeNotification(this);
}

void TChartSeries::UnlinkSource(TComponent* Value) {
    if (auto* Source = dynamic_cast<TChartSeries*>(Value)) {
        Source->RemoveLinkedSeries(this);
        return;
    }
    if (auto* SeriesSource = dynamic_cast<TVurSeriesSource*>(Value);
        SeriesSource && SeriesSource->GetSeries() == this)
        SeriesSource->InternalSetSeries(nullptr);
    Value->RemoveFreeNotification(this);
}

void TChartSeries::ClearDataSources() {
    while (!FDataSources.empty()) {
        TComponent* Source = FDataSources.back();
        FDataSources.pop_back();
        UnlinkSource(Source);
    }
}

void TChartSeries::InternalRemoveDataSource(TComponent* Value) {
    const auto It = std::find(FDataSources.begin(), FDataSources.end(), Value);
    if (It == FDataSources.end()) return;
    if (HasState(csDestroying)) {
        FDataSources.erase(It);
        UnlinkSource(Value);
        return;
    }
    if (FParentChart != nullptr) FParentChart->RemovedDataSource(this, Value);
    if (Value == GetDataSource()) {
        ClearDataSources();
    } else {
        FDataSources.erase(It);
        UnlinkSource(Value);
    }
    CheckDataSource();
}

void TChartSeries::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomChartSeries::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FFunction) FFunction = nullptr;
    InternalRemoveDataSource(AComponent);
}

void TChartSeries::CheckDataSource() {
    if (FUpdateCount > 0 || FParentChart == nullptr) return;
    FParentChart->CheckDatasource(this);
}

bool TChartSeries::IsValidSeriesSource(const TChartSeries* Value) const {
    return FFunction == nullptr || FFunction->IsValidSource(Value);
}

// ---------------------------------------------------------------- function

void TChartSeries::SetFunction(TVurFunction* Value) {
    if (FFunction == Value) return;
    delete std::exchange(FFunction, nullptr);
    if (Value != nullptr) {
        if (Value->GetOwner() != this) InsertComponent(Value);
        FFunction = Value;
        FFunction->SetParentSeries(this);
        FDataLoaded = false;
    }
    CheckDataSource();
}

void TChartSeries::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent*) {
    if (FFunction != nullptr) Proc(FFunction);
}

// ---------------------------------------------------------------- sample values and loading

void TChartSeries::FillSampleValues(int NumValues) {
    if (NumValues <= 0) NumValues = NumSampleValues();
    WithinUpdate([&] {
        Clear();
        AddSampleValues(NumValues);
    });
}

void TChartSeries::AddSampleValues(int NumValues) {
    double Value = DrawRandom(100);
    for (int Index = 0; Index < NumValues; ++Index) {
        Add(Value);
        Value += DrawRandomBetween(-10, 11);
    }
}

void TChartSeries::Loaded() {
    TCustomChartSeries::Loaded();
    const std::vector<std::string> Names = std::move(FDataSourceNames);
    FDataSourceNames.clear();
    if (GetOwner() != nullptr)
        for (const std::string& Name : Names)
            if (TComponent* Source = GetOwner()->FindComponent(Name)) InternalAddDataSource(Source);
    CheckDataSource();
}

} // namespace vur
