// TVurSeriesSource: a component that fills one series with points (from a
// file, a database, a generator, ...). It becomes the series' data source and
// fills the series whenever the series checks its data source.
#pragma once

#include "framework/Classes.h"

#include <string>

namespace vur {

class TChartSeries;
class TCustomAxisPanel;

class TVurSeriesSource : public TComponent {
public:
    explicit TVurSeriesSource(TComponent* AOwner) : TComponent(AOwner) {}
    // Leaves its series.
    ~TVurSeriesSource() override;

    std::string ClassName() const override { return "TVurSeriesSource"; }

    TChartSeries* GetSeries() const { return FSeries; }
    // Becomes Value's only data source (raising as the series' SetDataSource
    // does); none leaves the series it fills.
    void SetSeries(TChartSeries* Value);
    // The series' side of the binding: records the series, leaves its source list alone.
    void InternalSetSeries(TChartSeries* Value);

    // Whether it can fill series of Chart.
    virtual bool Available(const TCustomAxisPanel* Chart) const { return Chart != nullptr; }
    // Fills the series again: cleared, then loaded, in one update.
    void Refresh();

protected:
    // Adds the points to Series.
    virtual void Load(TChartSeries& Series) = 0;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TChartSeries* FSeries = nullptr;
};

} // namespace vur
