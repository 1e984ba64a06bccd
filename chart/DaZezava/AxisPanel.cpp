#include "chart/DaZezava/AxisPanel.h"

#include "chart/DaZezava/Function.h"
#include "chart/DaZezava/SeriesSource.h"
#include "chart/RoVedure/DrawSettings.h"

namespace vur {

TCustomAxisPanel::TCustomAxisPanel(TComponent* AOwner)
    : TCustomVurPanelExtended(AOwner), FAxes(std::make_unique<TChartAxes>(this)),
      FCustomAxes(std::make_unique<TChartCustomAxes>(this)) {
    FAxes->CreateStandardAxes();
}

TCustomAxisPanel::~TCustomAxisPanel() {
    // The series' own departures must neither broadcast nor ask for paints.
    Destroying();
    SetAutoRepaint(false);
    FreeAllSeries();
    while (FTools.Count() > 0) FTools.Get(0)->SetParentChart(nullptr);
}

void TCustomAxisPanel::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) {
    TCustomVurPanelExtended::GetChildren(Proc, Root);
    for (int Index = 0; Index < SeriesCount(); ++Index) {
        TChartSeries* Series = GetSeries(Index);
        if (Series->GetOwner() == Root || Root == this) Proc(Series);
    }
}

TChartSeries* TCustomAxisPanel::AddSeries(TChartSeries* Series) {
    Series->SetParentChart(this);
    return Series;
}

TChartSeries* TCustomAxisPanel::AddSeries(const TChartSeriesClass* SeriesClass) {
    return AddSeries(SeriesClass->Create(GetOwner()));
}

void TCustomAxisPanel::InternalAddSeries(TChartSeries* Series) {
    if (FSeriesList.IndexOf(Series) >= 0) return;
    // Before it joins the list, so that every attached series counts as "other".
    Series->TCustomChartSeries::SetParentChart(this);
    Series->GetMarks()->SetParentChart(this);
    Series->Added();
    FSeriesList.Add(Series);
    BroadcastSeriesEvent(Series, seAdd);
    Invalidate();
}

void TCustomAxisPanel::RemoveSeries(TChartSeries* Series) { RemoveSeries(FSeriesList.IndexOf(Series)); }

void TCustomAxisPanel::RemoveSeries(int Index) {
    if (Index < 0) return;
    TChartSeries* Series = FSeriesList.Get(Index);
    BroadcastSeriesEvent(Series, seRemove);
    Series->Removed();
    FSeriesList.Delete(Index);
    FSeriesList.RemoveFromGroups(Series);
    Invalidate();
}

void TCustomAxisPanel::RemoveAllSeries() {
    while (SeriesCount() > 0) RemoveSeries(0);
}

void TCustomAxisPanel::FreeAllSeries(const TChartSeriesClass* SeriesClass) {
    for (int Index = SeriesCount() - 1; Index >= 0; --Index) {
        if (Index >= SeriesCount()) continue;
        TChartSeries* Series = GetSeries(Index);
        if (SeriesClass != nullptr && !SeriesClass->IsInstance(Series)) continue;
        RemoveSeries(Index);
        delete Series;
    }
}

void TCustomAxisPanel::ExchangeSeries(int Index1, int Index2) {
    FSeriesList.Exchange(Index1, Index2);
    TChartSeries* Series1 = GetSeries(Index1);
    TChartSeries* Series2 = GetSeries(Index2);
    // The owner's order is the stored order: a saved form keeps the exchange.
    if (Series1->GetOwner() != nullptr && Series1->GetOwner() == Series2->GetOwner()) {
        const int Component1 = Series1->GetComponentIndex();
        const int Component2 = Series2->GetComponentIndex();
        Series1->SetComponentIndex(Component2);
        Series2->SetComponentIndex(Component1);
    }
    for (int G = 0; G < FSeriesList.GroupCount(); ++G) {
        TCustomSeriesList& Members = FSeriesList.Group(G)->Series;
        const int Member1 = Members.IndexOf(Series1);
        const int Member2 = Members.IndexOf(Series2);
        if (Member1 >= 0 && Member2 >= 0) Members.Exchange(Member1, Member2);
    }
    BroadcastSeriesEvent(nullptr, seSwap);
    Invalidate();
}

void TCustomAxisPanel::ExchangeSeries(TChartSeries* Series1, TChartSeries* Series2) {
    const int Index1 = FSeriesList.IndexOf(Series1);
    const int Index2 = FSeriesList.IndexOf(Series2);
    if (Index1 >= 0 && Index2 >= 0) ExchangeSeries(Index1, Index2);
}

void TCustomAxisPanel::SeriesUp(TChartSeries* Series) {
    const int Index = FSeriesList.IndexOf(Series);
    if (Index > 0) ExchangeSeries(Index, Index - 1);
}

void TCustomAxisPanel::SeriesDown(TChartSeries* Series) {
    const int Index = FSeriesList.IndexOf(Series);
    if (Index >= 0 && Index < SeriesCount() - 1) ExchangeSeries(Index, Index + 1);
}

void TCustomAxisPanel::BroadcastSeriesEvent(TChartSeries* Series, TChartSeriesEvent Event) {
    if (HasState(csDestroying)) return;
    TVurSeriesEvent SeriesEvent(Event, Series);
    Listeners().Broadcast(this, SeriesEvent);
}

void TCustomAxisPanel::CheckDatasource(TChartSeries* Series) {
    if (Series->HasState(csLoading)) return;
    TComponent* Source = Series->GetDataSource();
    if (Source != nullptr) {
        if (auto* SourceSeries = dynamic_cast<TChartSeries*>(Source))
            Series->AddValues(SourceSeries);
        else if (auto* SeriesSource = dynamic_cast<TVurSeriesSource*>(Source))
            SeriesSource->Refresh();
    } else if (TVurFunction* Function = Series->GetFunction()) {
        Function->ReCalculate();
    } else if (!Series->GetDataLoaded() &&
               (Series->HasState(csDesigning) || VurDrawSettings().VurRandomAtRunTime)) {
        Series->FillSampleValues(Series->NumSampleValues());
    }
}

bool TCustomAxisPanel::IsValidDataSource(const TChartSeries* Series, const TComponent* Component) const {
    if (const auto* Source = dynamic_cast<const TChartSeries*>(Component))
        return Source != Series && Series->IsValidSeriesSource(Source);
    if (const auto* Source = dynamic_cast<const TVurSeriesSource*>(Component)) return Source->Available(this);
    return false;
}

void TCustomAxisPanel::CheckOtherSeries(const TChartSeries* Dest, const TChartSeries* Source) const {
    Dest->CheckCircularSource(Source);
}

void TCustomAxisPanel::RemovedDataSource(TChartSeries* Series, TComponent* Component) {
    auto* Source = dynamic_cast<TVurSeriesSource*>(Component);
    if (Source != nullptr && Series->GetDataSource() == Source && Source->GetSeries() == Series)
        Source->InternalSetSeries(nullptr);
}

TColor TCustomAxisPanel::GetDefaultColor(int Index) const {
    if (!FChartPalette) return vur::GetDefaultColor(Index);
    const int Size = static_cast<int>(FChartPalette->size());
    return (*FChartPalette)[static_cast<std::size_t>(((Index % Size) + Size) % Size)];
}

TColor TCustomAxisPanel::GetFreeSeriesColor(bool CheckBackground, const TChartSeries* Series) const {
    const int High = static_cast<int>(FChartPalette ? FChartPalette->size() : DefaultPalette().size()) - 1;
    TColor Color = clDefault;
    for (int Index = 0; Index <= High; ++Index) {
        Color = GetDefaultColor(Index);
        if (IsFreeSeriesColor(Color, CheckBackground, Series)) return Color;
    }
    return Color;
}

void TCustomAxisPanel::ColorPaletteChanged() {
    for (int Index = 0; Index < SeriesCount(); ++Index) {
        TChartSeries* Series = GetSeries(Index);
        if (!Series->IsColorStored()) Series->SetInternalSeriesColor(GetFreeSeriesColor(true, Series));
    }
}

void TCustomAxisPanel::SetChartPalette(std::optional<TColorArray> Value) {
    if (Value && Value->empty()) Value.reset();
    FChartPalette = std::move(Value);
}

} // namespace vur
