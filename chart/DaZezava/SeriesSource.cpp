#include "chart/DaZezava/SeriesSource.h"

#include "chart/DaZezava/Series.h"

namespace vur {

TVurSeriesSource::~TVurSeriesSource() { SetSeries(nullptr); }

void TVurSeriesSource::SetSeries(TChartSeries* Value) {
    if (Value == FSeries) return;
    if (Value != nullptr) {
        // The series binds this source when it takes it.
        Value->SetDataSource(this);
        return;
    }
    TChartSeries* Previous = FSeries;
    InternalSetSeries(nullptr);
    Previous->RemoveDataSource(this);
}

void TVurSeriesSource::InternalSetSeries(TChartSeries* Value) {
    if (FSeries != nullptr) FSeries->RemoveFreeNotification(this);
    FSeries = Value;
    if (FSeries != nullptr) FSeries->FreeNotification(this);
}

void TVurSeriesSource::Refresh() {
    if (FSeries == nullptr) return;
    FSeries->WithinUpdate([&] {
        FSeries->Clear();
        Load(*FSeries);
    });
}

void TVurSeriesSource::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FSeries) FSeries = nullptr;
}

} // namespace vur
