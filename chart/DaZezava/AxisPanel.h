// TCustomAxisPanel: a panel with axes and an ordered list of series. It
// attaches, detaches and reorders series, tells its listeners about them and
// hands out automatic series colours.
#pragma once

#include "chart/DaZezava/Axis.h"
#include "chart/DaZezava/Series.h"
#include "chart/DaZezava/SeriesList.h"
#include "chart/VurProcs/DefaultPalette.h"
#include "chart/VurProcs/Panel.h"

#include <optional>

namespace vur {

// Broadcast to the panel's listeners when its series change.
class TVurSeriesEvent : public TVurEvent {
public:
    TVurSeriesEvent(TChartSeriesEvent AEvent, TChartSeries* ASeries) : Event(AEvent), Series(ASeries) {}
    TChartSeriesEvent Event;
    TChartSeries* Series;
};

class TCustomAxisPanel : public TCustomVurPanelExtended {
public:
    explicit TCustomAxisPanel(TComponent* AOwner);
    // Destroys every series still attached.
    ~TCustomAxisPanel() override;

    std::string ClassName() const override { return "TCustomAxisPanel"; }

    // ---- series
    TChartSeriesList& GetSeriesList() { return FSeriesList; }
    int SeriesCount() const { return FSeriesList.Count(); }
    TChartSeries* GetSeries(int Index) const { return FSeriesList.Get(Index); }
    // Sets the series' parent chart to this one, which attaches it.
    TChartSeries* AddSeries(TChartSeries* Series);
    // Creates a series of that class, owned by this chart's owner, and adds it.
    TChartSeries* AddSeries(const TChartSeriesClass* SeriesClass);
    void InternalAddSeries(TChartSeries* Series);
    // Nothing happens for a series that is not in the list.
    void RemoveSeries(TChartSeries* Series);
    void RemoveSeries(int Index);
    // Detaches every series; they survive with their points.
    void RemoveAllSeries();
    // Detaches and destroys every series of the class (every series for none).
    void FreeAllSeries(const TChartSeriesClass* SeriesClass = nullptr);
    void ExchangeSeries(int Index1, int Index2);
    void ExchangeSeries(TChartSeries* Series1, TChartSeries* Series2);
    void SeriesUp(TChartSeries* Series);
    void SeriesDown(TChartSeries* Series);
    void BroadcastSeriesEvent(TChartSeries* Series, TChartSeriesEvent Event);
    // Refreshes a series from its data source.
    virtual void CheckDatasource(TChartSeries* Series);

    // ---- colours
    // The palette entry at Index: the chart's own palette, else the default one.
    TColor GetDefaultColor(int Index) const;
    // The first palette colour that is free, else the palette's last colour.
    TColor GetFreeSeriesColor(bool CheckBackground, const TChartSeries* Series) const;
    virtual bool IsFreeSeriesColor(TColor Color, bool CheckBackground, const TChartSeries* Series) const = 0;
    // Gives every series with automatic colour a new one, in list order.
    void ColorPaletteChanged();
    const std::optional<TColorArray>& GetChartPalette() const { return FChartPalette; }
    // None (or an empty array) returns the chart to the default palette.
    void SetChartPalette(std::optional<TColorArray> Value);

    // ---- axes
    TChartAxes& GetAxes() { return FAxes; }
    TChartAxis* GetBottomAxis() const { return FBottomAxis; }
    TChartAxis* GetTopAxis() const { return FTopAxis; }
    TChartAxis* GetLeftAxis() const { return FLeftAxis; }
    TChartAxis* GetRightAxis() const { return FRightAxis; }
    TChartAxis* GetDepthAxis() const { return FDepthAxis; }
    TChartAxis* GetDepthTopAxis() const { return FDepthTopAxis; }

private:
    TChartSeriesList FSeriesList;
    std::optional<TColorArray> FChartPalette;
    TChartAxes FAxes;
    TChartAxis* FBottomAxis;
    TChartAxis* FTopAxis;
    TChartAxis* FLeftAxis;
    TChartAxis* FRightAxis;
    TChartAxis* FDepthAxis;
    TChartAxis* FDepthTopAxis;
};

} // namespace vur
