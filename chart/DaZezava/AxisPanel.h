// TCustomAxisPanel: a panel with axes and an ordered list of series. It
// attaches, detaches and reorders series, tells its listeners about them and
// hands out automatic series colours.
#pragma once

#include "chart/DaZezava/Axes.h"
#include "chart/DaZezava/Series.h"
#include "chart/DaZezava/SeriesList.h"
#include "chart/VurProcs/ChartTool.h"
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

    // The child controls, then the series Root owns (every series when the
    // chart is the one written, so that a chart saved alone keeps them).
    void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) override;

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
    // Refreshes a series from its first source, else through its function,
    // else with sample values when they are asked for; not while it loads.
    virtual void CheckDatasource(TChartSeries* Series);
    // Whether Component may feed Series: a series other than Series that
    // Series accepts, or a source component usable with this chart.
    virtual bool IsValidDataSource(const TChartSeries* Series, const TComponent* Component) const;
    // ChartException "Circular ..." when Source takes its points, at any depth, from Dest.
    void CheckOtherSeries(const TChartSeries* Dest, const TChartSeries* Source) const;
    // Component stops feeding Series: a source component that fed it first lets it go.
    void RemovedDataSource(TChartSeries* Series, TComponent* Component);

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

    // ---- axes (range operations in chart/DaZezava/AxisRange.cpp)
    TChartAxes* GetAxes() const { return FAxes.get(); }
    TChartCustomAxes* GetCustomAxes() const { return FCustomAxes.get(); }
    TChartAxis* GetBottomAxis() const { return FAxes->GetBottomAxis(); }
    TChartAxis* GetTopAxis() const { return FAxes->GetTopAxis(); }
    TChartAxis* GetLeftAxis() const { return FAxes->GetLeftAxis(); }
    TChartAxis* GetRightAxis() const { return FAxes->GetRightAxis(); }
    TChartDepthAxis* GetDepthAxis() const { return FAxes->GetDepthAxis(); }
    TChartDepthAxis* GetDepthTopAxis() const { return FAxes->GetDepthTopAxis(); }
    bool GetAxisVisible() const { return FAxisVisible; }
    void SetAxisVisible(bool Value) { SetBooleanProperty(FAxisVisible, Value); }
    bool GetAxisBehind() const { return FAxisBehind; }
    void SetAxisBehind(bool Value) { SetBooleanProperty(FAxisBehind, Value); }
    // The data extreme of one axis, over the series that count for it.
    double InternalMinMax(const TChartAxis* Axis, bool IsMin, bool IsX) const;
    double MinXValue(const TChartAxis* Axis) const { return InternalMinMax(Axis, true, true); }
    double MaxXValue(const TChartAxis* Axis) const { return InternalMinMax(Axis, false, true); }
    double MinYValue(const TChartAxis* Axis) const { return InternalMinMax(Axis, true, false); }
    double MaxYValue(const TChartAxis* Axis) const { return InternalMinMax(Axis, false, false); }
    // No active series is associated with the axis.
    bool NoActiveSeries(const TChartAxis* Axis) const;
    bool CalcIsAxisVisible(const TChartAxis* Axis) const;
    bool IsAxisVisible(const TChartAxis* Axis) const { return Axis->GetVisibleInPaint(); }
    // Paging: at most MaxPointsPerPage points per page (0: no paging).
    int GetMaxPointsPerPage() const { return FMaxPointsPerPage; }
    void SetMaxPointsPerPage(int Value) { SetIntegerProperty(FMaxPointsPerPage, Value < 0 ? 0 : Value); }
    int GetPage() const { return FPage; }
    void SetPage(int Value) { SetIntegerProperty(FPage, Value < 1 ? 1 : Value); }
    bool GetScaleLastPage() const { return FScaleLastPage; }
    void SetScaleLastPage(bool Value) { SetBooleanProperty(FScaleLastPage, Value); }
    // The first active series associated with the axis, and the one with the most points.
    TChartSeries* GetAxisSeries(const TChartAxis* Axis) const;
    TChartSeries* GetAxisSeriesMaxPoints(const TChartAxis* Axis) const;
    TAxisOnGetLabel OnGetAxisLabel;
    TAxisOnGetNextLabel OnGetNextAxisLabel;

    // ---- painting (chart/DaZezava/AxisPanelPaint.cpp)
    // The widest line of Text (lines end at VurLineSeparator) in the canvas'
    // font, and the number of lines; a separator at the very end adds none.
    int MultiLineTextWidth(const std::string& Text, int& NumLines) const;
    TChartToolList& GetTools() { return FTools; }
    // Depth of the 3D view in percent of the plot width; 1..100, else Exception.
    int GetChart3DPercent() const { return FChart3DPercent; }
    void SetChart3DPercent(int Value);
    bool GetView3DWalls() const { return FView3DWalls; }
    void SetView3DWalls(bool Value) { SetBooleanProperty(FView3DWalls, Value); }
    bool GetClipPoints() const { return FClipPoints; }
    void SetClipPoints(bool Value) { SetBooleanProperty(FClipPoints, Value); }
    // Some active series is drawn against axes.
    bool ActiveSeriesUseAxis() const;
    void InternalDraw(const TRect& UserRect) override;
    void DoOnAfterDraw() override;
    void DoOnBeforeDrawAxes() override;
    void DoOnBeforeDrawChart() override;
    void DoOnBeforeDrawSeries() override;
    bool DrawBackWallAfter(int Z) const override;
    // ---- what series ask of the legend while they draw their symbols
    // The pen legend symbols take instead of their series' pens; none: they keep them.
    virtual const TChartPen* GetLegendSymbolPen() const { return nullptr; }
    // The colour behind legend symbols.
    virtual TColor GetLegendBackColor() const { return GetColor(); }
    // The plain symbol in the canvas' current pen and brush.
    virtual void DrawLegendShape(const TRect& Rect) { GetCanvas()->Rectangle(Rect); }
    // A point's text as the legend shows it.
    virtual std::string FormattedValueLegend(TChartSeries*, int) const { return {}; }

    TNotifyEvent OnBeforeDrawChart;
    TNotifyEvent OnBeforeDrawAxes;
    TNotifyEvent OnBeforeDrawSeries;
    TNotifyEvent OnAfterDraw;

protected:
    // The room Axis takes beside R (InflateChartRectangle: it shrinks R).
    virtual void CalcAxisRect(TChartAxis* Axis, TRect& R, bool InflateChartRectangle) {
        Axis->CalcRect(R, InflateChartRectangle);
    }
    // The steps of InternalDraw that lay out and draw the plot.
    void CalcZOrders();
    void CalcAxesRect();
    void CalcSeriesMargins();
    void DrawAxes();
    void DrawAllSeries();
    void ClipSeriesRect();
    void UnClipSeriesRect();

private:
    // One series with its events and marks.
    void DrawSeries(TChartSeries* Series);
    // Every series of one z-order, point by point (3D).
    void DrawSeriesZOrder(TChartSeries* First);
    // The marks step: inside the plot when the marks clip.
    void DrawSeriesMarks(TChartSeries* Series);

    TChartSeriesList FSeriesList;
    std::optional<TColorArray> FChartPalette;
    // Declared in this order: the custom axes go first, leaving the list.
    std::unique_ptr<TChartAxes> FAxes;
    std::unique_ptr<TChartCustomAxes> FCustomAxes;
    bool FAxisVisible = true;
    bool FAxisBehind = true;
    int FMaxPointsPerPage = 0;
    int FPage = 1;
    bool FScaleLastPage = true;
    TChartToolList FTools;
    bool FView3DWalls = true;
    bool FClipPoints = true;
    int FChart3DPercent = 15;
    // Whether ClipSeriesRect set a clip that UnClipSeriesRect must remove.
    bool FClippedSeries = false;
};

} // namespace vur
