// The series classes' data side: TCustomChartElement (anything a chart draws
// that has a pen and a brush), TCustomChartSeries (legend-facing fields) and
// TChartSeries (points in parallel value lists, labels, colours, events,
// links to dependent series, extents and axis association).
#pragma once

#include "chart/DaZezava/LabelsList.h"
#include "chart/DaZezava/Marks.h"
#include "chart/DaZezava/ValueList.h"
#include "chart/RoVedure/ChartBrush.h"
#include "chart/RoVedure/ChartPen.h"
#include "chart/RoVedure/Geometry.h"
#include "format/KeptPattern.h"
#include "format/NumberPattern.h"
#include "framework/Classes.h"
#include "framework/Controls.h"
#include "framework/Types.h"

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vur {

class TChartAxis;
class TCustomAxisPanel;
class TChartSeries;
class TVurFunction;
class TVurSeriesSource;
class TStream;

// What a series tells the series that take it as their data source.
enum TValueEvent : std::uint8_t { veClear, veAdd, veDelete, veRefresh, veModify };
// What a chart tells its listeners about its series.
enum TChartSeriesEvent : std::uint8_t {
    seAdd,
    seRemove,
    seChangeTitle,
    seChangeColor,
    seSwap,
    seChangeActive,
    seDataChanged
};

// What a legend item's text shows of its point.
enum TLegendTextStyle : std::uint8_t {
    ltsPlain,
    ltsLeftValue,
    ltsRightValue,
    ltsLeftPercent,
    ltsRightPercent,
    ltsXValue,
    ltsValue,
    ltsPercent,
    ltsXAndValue,
    ltsXAndPercent
};

// Splits a legend text into its two columns.
inline constexpr char VurColumnSeparator = 6;

enum THorizAxis : std::uint8_t { aTopAxis, aBottomAxis, aBothHorizAxis, aCustomHorizAxis };
enum TVertAxis : std::uint8_t { aLeftAxis, aRightAxis, aBothVertAxis, aCustomVertAxis };

enum TSeriesRecalcOption : std::uint8_t { rOnDelete = 1, rOnModify = 2, rOnInsert = 4, rOnClear = 8 };
using TSeriesRecalcOptions = std::uint8_t;
inline constexpr TSeriesRecalcOptions AllRecalcOptions = rOnDelete | rOnModify | rOnInsert | rOnClear;

using TSeriesOnBeforeAdd = std::function<bool(TChartSeries* Sender)>;
using TSeriesOnAfterAdd = std::function<void(TChartSeries* Sender, int ValueIndex)>;
using TSeriesOnClear = std::function<void(TChartSeries* Sender)>;
using TSeriesOnGetMarkText = std::function<void(TChartSeries* Sender, int ValueIndex, std::string& MarkText)>;
using TSeriesClick = std::function<void(TChartSeries* Sender, int ValueIndex, TMouseButton Button,
                                        TShiftState Shift, int X, int Y)>;

// A class reference for series: creates series of one class and recognises
// instances of it and of its subclasses.
struct TChartSeriesClass {
    const char* Name;
    TChartSeries* (*Create)(TComponent* AOwner);
    bool (*IsInstance)(const TChartSeries* Series);
};

// The class reference of T, which names itself in StaticClassName.
template <class T>
const TChartSeriesClass* SeriesClassOf() {
    static const TChartSeriesClass Class{
        T::StaticClassName, [](TComponent* AOwner) -> TChartSeries* { return new T(AOwner); },
        [](const TChartSeries* Series) { return dynamic_cast<const T*>(Series) != nullptr; }};
    return &Class;
}

class TCustomChartElement : public TComponent {
public:
    explicit TCustomChartElement(TComponent* AOwner);
    ~TCustomChartElement() override;

    std::string ClassName() const override { return "TCustomChartElement"; }
    // From another element: Active, brush, pen and tag.
    void Assign(const TPersistent* Source) override;

    bool GetActive() const { return FActive; }
    virtual void SetActive(bool Value);
    TChartBrush* GetBrush() const { return FBrush.get(); }
    TChartPen* GetPen() const { return FPen.get(); }
    virtual void SetPen(const TChartPen* Value);
    TCustomAxisPanel* GetParentChart() const { return FParentChart; }
    virtual void SetParentChart(TCustomAxisPanel* Value);

    // Asks the parent chart for a repaint; nothing is drawn now.
    void Repaint();
    // Style objects call this when they change.
    virtual void CanvasChanged(TPersistent* Sender);

    // Store and repaint only on a real change.
    void SetBooleanProperty(bool& Variable, bool Value);
    void SetIntegerProperty(int& Variable, int Value);
    void SetColorProperty(TColor& Variable, TColor Value);
    void SetDoubleProperty(double& Variable, double Value);
    void SetStringProperty(std::string& Variable, const std::string& Value);

protected:
    bool FActive = true;
    TCustomAxisPanel* FParentChart = nullptr;

private:
    std::unique_ptr<TChartBrush> FBrush;
    std::unique_ptr<TChartPen> FPen;
};

class TCustomChartSeries : public TCustomChartElement {
public:
    explicit TCustomChartSeries(TComponent* AOwner);

    std::string ClassName() const override { return "TCustomChartSeries"; }

    bool GetShowInLegend() const { return FShowInLegend; }
    void SetShowInLegend(bool Value) { SetBooleanProperty(FShowInLegend, Value); }
    const std::string& GetTitle() const { return FTitle; }
    // Also tells the chart's listeners (seChangeTitle).
    void SetTitle(const std::string& Value);
    // Stored as "Identifier" when not empty.
    const std::string& GetIdentifier() const { return FIdentifier; }
    void SetIdentifier(const std::string& Value) { FIdentifier = Value; }
    // Six flag bits, stored as "Style" when not empty.
    std::uint8_t GetStyleFlags() const { return FStyleFlags; }
    void SetStyleFlags(std::uint8_t Value) { FStyleFlags = static_cast<std::uint8_t>(Value & 0x3F); }

private:
    bool FShowInLegend = true;
    std::string FTitle;
    std::string FIdentifier;
    std::uint8_t FStyleFlags = 0;
};

class TChartSeries : public TCustomChartSeries {
public:
    static constexpr char StaticClassName[] = "TChartSeries";

    explicit TChartSeries(TComponent* AOwner);
    ~TChartSeries() override;

    std::string ClassName() const override { return StaticClassName; }
    virtual const TChartSeriesClass* GetSeriesClass() const { return SeriesClassOf<TChartSeries>(); }
    // True when this series and Other are of one class (either of the other's).
    bool SameClass(const TChartSeries* Other) const;

    void SetActive(bool Value) override;
    void SetParentChart(TCustomAxisPanel* Value) override;
    // A series is stored inside its chart; the reader attaches it there.
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* Value) override;

    // ---- adding points; each returns the new index, or -1 when OnBeforeAdd refused.
    // An X that is not a finite number is refused with ChartException and
    // nothing is stored; any Y is stored (see GetValueColor).
    virtual int AddXY(double X, double Y, std::string_view Label = {}, TColor Color = clDefault);
    // X (or Y for horizontal series) is the current number of points.
    virtual int Add(double Value, std::string_view Label = {}, TColor Color = clDefault);
    int AddX(double Value, std::string_view Label = {}, TColor Color = clDefault);
    int AddY(double Value, std::string_view Label = {}, TColor Color = clDefault);
    virtual int AddNull(double Value);
    int AddNull(std::string_view Label);
    virtual int AddNullXY(double X, double Y, std::string_view Label = {});
    // Adds every value with Add inside one update; returns how many.
    int AddArray(std::span<const double> Values);

    // ---- removing points
    // Raises ChartException when ValueIndex is not a point's index. Every
    // other index argument outside 0..Count-1 raises EAssertionFailed.
    virtual void Delete(int ValueIndex);
    virtual void Delete(int Start, int Quantity, bool RemoveGap = false);
    virtual void Clear();

    // ---- reading and writing points
    int Count() const { return FXValues->GetCount(); }
    virtual double GetxValue(int Index) const { return FXValues->GetValue(Index); }
    virtual double GetyValue(int Index) const { return FYValues->GetValue(Index); }
    virtual double GetMarkValue(int Index) const { return FMandatoryValueList->GetValue(Index); }
    virtual double GetOriginValue(int Index) const { return GetMarkValue(Index); }
    void SetXValue(int Index, double Value);
    void SetYValue(int Index, double Value);
    const std::string& GetXLabel(int Index) const;
    void SetXLabel(int Index, std::string_view Text);
    TLabelsList& Labels() { return FLabels; }
    // The colour the point is drawn in; clNone (a gap) also for a value that
    // is not a finite number.
    virtual TColor GetValueColor(int Index) const { return PointColor(Index, GetSeriesColor()); }
    // The point's own colour, else the palette's with ColorEachPoint, else
    // Automatic; clNone for a gap.
    TColor PointColor(int Index, TColor Automatic) const;
    void SetValueColor(int Index, TColor Color);
    // Per-point colours, or none until a point gets its own colour.
    const std::vector<TColor>* GetColorList() const { return FColors.get(); }
    bool IsNull(int Index) const { return GetValueColor(Index) == clNone; }
    void SetNull(int Index, bool Null = true) { SetValueColor(Index, Null ? clNone : clDefault); }
    // The value list after X and Y whose name matches (any case), else YValues.
    virtual TChartValueList* GetYValueList(const std::string& AName) const;

    TChartValueList* GetXValues() const { return FXValues; }
    TChartValueList* GetYValues() const { return FYValues; }
    // Copies Order, DateTime and ValueSource, then repaints.
    void SetXValues(const TChartValueList* Value);
    void SetYValues(const TChartValueList* Value);
    TChartValueLists& GetValueLists() { return FValueLists; }
    const TChartValueLists& GetValueLists() const { return FValueLists; }
    TChartValueList* GetMandatoryValueList() const { return FMandatoryValueList; }
    TChartValueList* GetNotMandatoryValueList() const { return FNotMandatoryValueList; }
    bool GetYMandatory() const { return FYMandatory; }

    // ---- order
    // Swaps two points in every list; the swap step of sorting.
    virtual void SwapValueIndex(int A, int B);
    // Sorts by the mandatory list's order and renumbers the positions.
    virtual void CheckOrder();

    // ---- colour
    TColor GetSeriesColor() const { return FColor == clDefault ? FColorInternal : FColor; }
    virtual void SetSeriesColor(TColor Value);
    TColor GetInternalSeriesColor() const { return FColorInternal; }
    void SetInternalSeriesColor(TColor Value) { FColorInternal = Value; }
    // The colour the user chose; clDefault while it is automatic.
    TColor GetStoredColor() const { return FColor; }
    bool IsColorStored() const { return FColor != clDefault; }
    bool GetColorEachPoint() const { return FColorEachPoint; }
    virtual void SetColorEachPoint(bool Value);

    // ---- formats and other settings
    const std::string& GetValueFormat() const { return FValueFormat; }
    void SetValueFormat(const std::string& Value) { SetStringProperty(FValueFormat, Value); }
    bool IsValueFormatStored() const;
    const std::string& GetPercentFormat() const { return FPercentFormat; }
    void SetPercentFormat(const std::string& Value) { SetStringProperty(FPercentFormat, Value); }
    bool IsPercentFormatStored() const;
    int GetDepth() const { return FDepth; }
    void SetDepth(int Value) { SetIntegerProperty(FDepth, BoundSetting(Value)); }
    int GetZOrder() const { return FZOrder; }
    // The mouse cursor over the series' points; crDefault leaves the chart's.
    TCursor GetCursor() const { return FCursor; }
    void SetCursor(TCursor Value) { FCursor = Value; }
    TSeriesMarks* GetMarks() const { return FMarks.get(); }
    TSeriesRecalcOptions GetRecalcOptions() const { return FRecalcOptions; }
    void SetRecalcOptions(TSeriesRecalcOptions Value) { FRecalcOptions = Value; }

    // ---- visible range (set by the chart before drawing)
    int GetFirstVisibleIndex() const { return FFirstVisibleIndex; }
    int GetLastVisibleIndex() const { return FLastVisibleIndex; }
    int VisibleCount() const { return FLastVisibleIndex - FFirstVisibleIndex + 1; }
    bool GetComputeVisibleRange() const { return FComputeVisibleRange; }
    void SetComputeVisibleRange(bool Value) { FComputeVisibleRange = Value; }
    bool GetKeepPointPastEnd() const { return FKeepPointPastEnd; }
    // The points inside the axis range of the last paint (SeriesAxes.cpp).
    virtual void CalcFirstLastVisibleIndex();
    // The first and last index of the chart's current page.
    void CalcFirstLastPage(int& First, int& Last) const;

    // ---- extents read by the axes
    virtual double MinXValue() const { return FXValues->GetMinValue(); }
    virtual double MaxXValue() const { return FXValues->GetMaxValue(); }
    virtual double MinYValue() const { return FYValues->GetMinValue(); }
    virtual double MaxYValue() const { return FYValues->GetMaxValue(); }
    virtual double MinZValue() const { return FZOrder; }
    virtual double MaxZValue() const { return FZOrder; }

    // ---- axes
    THorizAxis GetHorizAxis() const { return FHorizAxis; }
    void SetHorizAxis(THorizAxis Value);
    TVertAxis GetVertAxis() const { return FVertAxis; }
    void SetVertAxis(TVertAxis Value);
    TChartAxis* GetCustomHorizAxis() const { return FCustomHorizAxis; }
    // A custom axis also switches HorizAxis to aCustomHorizAxis (none: back to bottom).
    void SetCustomHorizAxis(TChartAxis* Value);
    TChartAxis* GetCustomVertAxis() const { return FCustomVertAxis; }
    void SetCustomVertAxis(TChartAxis* Value);
    // The axes of the parent chart that HorizAxis and VertAxis name; none
    // without a chart.
    TChartAxis* GetHorizontalAxis() const { return FHorizontalAxis; }
    TChartAxis* GetVerticalAxis() const { return FVerticalAxis; }
    virtual bool UseAxis() const { return true; }
    virtual bool AssociatedToAxis(const TChartAxis* Axis) const;
    virtual TChartValueList* ValueListOfAxis(const TChartAxis* Axis) const;
    TChartAxis* MandatoryAxis() const { return FYMandatory ? FVerticalAxis : FHorizontalAxis; }
    // Values to pixels and back through the series' axes (SeriesAxes.cpp).
    int CalcXPosValue(double Value) const;
    int CalcYPosValue(double Value) const;
    // Along the mandatory axis.
    int CalcPosValue(double Value) const;
    virtual int CalcXPos(int ValueIndex) const;
    virtual int CalcYPos(int ValueIndex) const;
    double XScreenToValue(int ScreenPos) const;
    double YScreenToValue(int ScreenPos) const;
    int CalcXSizeValue(double Value) const;
    int CalcYSizeValue(double Value) const;

    // ---- drawing, driven by the chart's paint; the series kinds draw the points
    // Pixel margins the series asks its axes for.
    virtual void CalcHorizMargins(int& LeftMargin, int& RightMargin) const { LeftMargin = RightMargin = 0; }
    virtual void CalcVerticalMargins(int& TopMargin, int& BottomMargin) const {
        TopMargin = BottomMargin = 0;
    }
    // Called once per paint, before the layout.
    virtual void DoBeforeDrawChart() {}
    // Takes a depth slot, raising the chart's MaxZOrder to it.
    virtual void CalcZOrder();
    // The start and end depth of the series' slot.
    virtual void CalcDepthPositions();
    virtual void DoBeforeDrawValues();
    virtual void DoAfterDrawValues();
    // DrawValue for every visible index, ascending when DrawValuesForward.
    virtual void DrawAllValues();
    virtual void DrawValue(int) {}
    // ---- marks (SeriesMarks.cpp)
    // The mark of every visible point that has one.
    virtual void DrawMarks();
    // One mark; Position is measured around the point.
    virtual void DrawMark(int ValueIndex, const std::string& Text, TSeriesMarkPosition& Position);
    // The point's mark text, as OnGetMarkText leaves it.
    std::string GetMarkText(int ValueIndex);
    // The percent text, or with AddTotal the percent-of-total text.
    std::string MarkPercent(int ValueIndex, bool AddTotal = false) const;
    // The widest mark text of the points whose mark is visible.
    int MaxMarkWidth();
    // Value in ValueFormat, or in PercentFormat, for marks and legend texts.
    std::string FormatValueText(double Value) const;
    std::string FormatPercentText(double Value) const;
    // Another active series of the chart has this one's z-order.
    virtual bool MoreSameZOrder() const;
    virtual bool DrawValuesForward() const;
    virtual bool DrawSeriesForward() const;
    // The point under the pixel, or -1; series kinds that can be hit answer.
    virtual int Clicked(int, int) { return -1; }
    int GetSeriesDepthSlot() const { return FSeriesDepthSlot; }
    void SetSeriesDepthSlot(int Value) { FSeriesDepthSlot = Value; }
    // The depth slot this paint gave the series (its ZOrder property when set).
    int GetCalcZOrder() const { return FCalcZOrder; }
    void SetCalcZOrder(int Value) { FCalcZOrder = Value; }
    int GetStartZ() const { return FStartZ; }
    int GetEndZ() const { return FEndZ; }
    TNotifyEvent BeforeDrawValues;
    TNotifyEvent AfterDrawValues;

    // ---- the series in a legend (SeriesLegend.cpp)
    // How many items the series gives a legend of its points.
    virtual int CountLegendItems() const { return Count(); }
    // The point a legend item shows.
    virtual int LegendToValueIndex(int LegendIndex) const { return LegendIndex; }
    virtual TColor LegendItemColor(int LegendIndex) const {
        return GetValueColor(LegendToValueIndex(LegendIndex));
    }
    // The item's text: value, percent and X texts and the label, the two
    // columns split by VurColumnSeparator.
    virtual std::string LegendString(int LegendIndex, TLegendTextStyle TextStyle) const;
    // The symbol of the whole series (ValueIndex -1) or of one point in
    // Rect, in the item's colour over the legend's background.
    virtual void DrawLegend(int ValueIndex, const TRect& Rect);
    // The colour of the symbol: the series' (ValueIndex -1) or the item's.
    TColor LegendSymbolColor(int ValueIndex) const {
        return ValueIndex == -1 ? GetSeriesColor() : LegendItemColor(ValueIndex);
    }
    // Sets the canvas pen for a symbol in Color (the series pen as it is)
    // and answers the brush style the symbol is filled with.
    virtual TBrushStyle PrepareLegendCanvas(int ValueIndex, TColor Color);
    // The symbol's shape with the canvas' pen and brush: the chart's plain box.
    virtual void DrawLegendShape(int ValueIndex, const TRect& Rect);

    // ---- batching and notification
    void BeginUpdate() { ++FUpdateCount; }
    // The last one publishes one refresh.
    void EndUpdate();
    // Runs Step inside one BeginUpdate/EndUpdate pair; when Step fails the
    // count is restored without publishing anything.
    template <class F>
    void WithinUpdate(F&& Step) {
        BeginUpdate();
        try {
            Step();
        } catch (...) {
            --FUpdateCount;
            throw;
        }
        EndUpdate();
    }
    void RefreshSeries();
    int GetUpdateCount() const { return FUpdateCount; }
    virtual void NotifyNewValue(TChartSeries* Sender, int ValueIndex);
    // Passes a data change to the series linked to this one. Every linked
    // series hears it; the first failure among them is raised afterwards.
    virtual void NotifyValue(TValueEvent ValueEvent, int ValueIndex);

    // ---- data sources (chart/DaZezava/SeriesLinks.cpp): series, source
    // components and other components this series takes its points from
    const std::vector<TChartSeries*>& GetLinkedSeries() const { return FLinkedSeries; }
    void AddLinkedSeries(TChartSeries* Series);
    void RemoveLinkedSeries(TChartSeries* Series);
    // Every linked series forgets this one as a source.
    void RemoveAllLinkedSeries();
    const std::vector<TComponent*>& GetDataSources() const { return FDataSources; }
    TComponent* GetDataSource() const { return FDataSources.empty() ? nullptr : FDataSources.front(); }
    // Value becomes the only source; none removes every source and keeps the points.
    void SetDataSource(TComponent* Value);
    // Validates Value with the parent chart and adds it (Replace: in place of
    // the other sources); ChartException, with the sources unchanged, when the
    // series has no chart, Value is no valid source or would close a cycle.
    void InternalSetDataSource(TComponent* Value, bool Replace);
    // Adds without validation, but never a link into a cycle (ChartException).
    void InternalAddDataSource(TComponent* Value);
    // Removing the first source removes them all.
    void InternalRemoveDataSource(TComponent* Value);
    void RemoveDataSource(TComponent* Value) { InternalRemoveDataSource(Value); }
    // Whether this series takes its points, directly or through others, from Series (or is it).
    bool TakesDataFrom(const TChartSeries* Series) const;
    // ChartException when taking Source as a source would close a cycle.
    void CheckCircularSource(const TChartSeries* Source) const;
    // Names of stored sources; Loaded turns them into components of the owner.
    const std::vector<std::string>& GetDataSourceNames() const { return FDataSourceNames; }
    void SetDataSourceNames(std::vector<std::string> Value) { FDataSourceNames = std::move(Value); }
    // Refreshes the points from the data source.
    void CheckDataSource();
    // A series is a valid source of every series but itself.
    virtual bool IsValidSourceOf(const TChartSeries* Value) const { return Value != this; }
    // True without a function, else the function decides.
    bool IsValidSeriesSource(const TChartSeries* Value) const;
    // Copies point ValueIndex of Source into this series' value lists.
    virtual int AddChartValue(TChartSeries* Source, int ValueIndex);
    virtual void AddedValue(TChartSeries* Source, int ValueIndex);
    // Deletes the same point, or rebuilds the whole series from Source when
    // it is not in step with Source.
    virtual void DeletedValue(TChartSeries* Source, int ValueIndex);
    // The same for a run of points.
    virtual void DeletedValues(TChartSeries* Source, int Start, int Quantity);
    // Rebuilds this series from all of Source's points (through the function, when there is one).
    virtual void AddValues(TChartSeries* Source);
    void AssignValues(TChartSeries* Source) { AddValues(Source); }
    // The points were read from the stored "Data".
    bool GetDataLoaded() const { return FDataLoaded; }

    // ---- calculation function
    TVurFunction* GetFunction() const { return FFunction; }
    // The series takes Value into its ownership and destroys the previous function.
    void SetFunction(TVurFunction* Value);
    // The function is stored as the series' child, and read back owned by it.
    void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) override;
    TComponent* GetChildOwner() override { return this; }

    // ---- sample values
    // Replaces the points with NumValues sample values (0: NumSampleValues).
    void FillSampleValues(int NumValues = 0);
    virtual int NumSampleValues() const { return 25; }
    // Appends NumValues sample values: a random walk at positions 0, 1, 2, ...
    virtual void AddSampleValues(int NumValues);

    // Resolves the stored source names, then checks the data source.
    void Loaded() override;

    // ---- stored points ("Data", chart/DaZezava/SeriesData.cpp)
    // Replaces the points with those stored in Stream (its position to its
    // end). A short or inconsistent record raises EReadError and leaves the
    // series empty; the count is checked against the bytes before any point is read.
    virtual void ReadData(TStream& Stream);
    // The flags follow from every point: positions, colours, labels and mark
    // placements are stored only when some point needs them.
    virtual void WriteData(TStream& Stream);
    // Written when forced, or when the points came from "Data" and saving them is not switched off.
    bool IsDataStored() const;
    bool GetForceSaveData() const { return FForceSaveData; }
    void SetForceSaveData(bool Value) { FForceSaveData = Value; }
    bool GetDontSaveData() const { return FDontSaveData; }
    void SetDontSaveData(bool Value) { FDontSaveData = Value; }

    // ---- attachment
    // Run by the chart when the series joins it or leaves it.
    virtual void Added();
    virtual void Removed();

    TSeriesOnBeforeAdd OnBeforeAdd;
    TSeriesOnAfterAdd OnAfterAdd;
    TSeriesOnClear OnClearValues;
    TSeriesOnGetMarkText OnGetMarkText;
    TSeriesClick OnClick;
    TSeriesClick OnDblClick;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    virtual void ClearLists();
    // Resolves HorizAxis and VertAxis against the parent chart.
    void RecalcGetAxis();
    void SetKeepPointPastEnd(bool Value) { FKeepPointPastEnd = Value; }

    int FFirstVisibleIndex = -1;
    int FLastVisibleIndex = -1;
    int FZOrder = -1;

private:
    // Positions must be finite numbers: ChartException otherwise.
    static void CheckPosition(double X);
    void InsertPointColor(int Index, TColor Color);
    // The "Data" flags the points need.
    std::uint8_t DataFlags() const;
    // Unlinks every source and empties the list.
    void ClearDataSources();
    // Unlinks one source: a series forgets this one, a watched component stops being watched.
    void UnlinkSource(TComponent* Value);
    // Calls Step for every linked series; the first failure is raised after all of them ran.
    template <class F>
    void ForEachLinkedSeries(F&& Step);

    TChartValueLists FValueLists;
    TChartValueList* FXValues;
    TChartValueList* FYValues;
    TChartValueList* FMandatoryValueList;
    TChartValueList* FNotMandatoryValueList;
    bool FYMandatory = true;
    TLabelsList FLabels;
    std::unique_ptr<std::vector<TColor>> FColors;
    TColor FColor = clDefault;
    TColor FColorInternal = clDefault;
    bool FColorEachPoint = false;
    std::string FValueFormat;
    std::string FPercentFormat;
    // Parsed once, not for every mark of a paint.
    mutable TKeptPattern<TNumberPattern> FKeptValuePattern;
    mutable TKeptPattern<TNumberPattern> FKeptPercentPattern;
    THorizAxis FHorizAxis = aBottomAxis;
    TVertAxis FVertAxis = aLeftAxis;
    TChartAxis* FCustomHorizAxis = nullptr;
    TChartAxis* FCustomVertAxis = nullptr;
    TChartAxis* FHorizontalAxis = nullptr;
    TChartAxis* FVerticalAxis = nullptr;
    int FDepth = -1;
    TCursor FCursor = crDefault;
    std::unique_ptr<TSeriesMarks> FMarks;
    TSeriesRecalcOptions FRecalcOptions = AllRecalcOptions;
    std::vector<TChartSeries*> FLinkedSeries;
    std::vector<TComponent*> FDataSources;
    std::vector<std::string> FDataSourceNames;
    TVurFunction* FFunction = nullptr;
    bool FDataLoaded = false;
    bool FForceSaveData = false;
    bool FDontSaveData = false;
    int FUpdateCount = 0;
    bool FComputeVisibleRange = true;
    int FCalcZOrder = 0;
    int FSeriesDepthSlot = 0;
    int FStartZ = 0;
    int FEndZ = 0;
    bool FKeepPointPastEnd = false;
};

template <class F>
void TChartSeries::ForEachLinkedSeries(F&& Step) {
    std::exception_ptr Failure;
    for (std::size_t Index = 0; Index < FLinkedSeries.size();) {
        TChartSeries* Series = FLinkedSeries[Index];
        try {
            Step(Series);
        } catch (...) {
            if (!Failure) Failure = std::current_exception();
        }
        // A linked series may unlink itself in its reaction.
        if (Index < FLinkedSeries.size() && FLinkedSeries[Index] == Series) ++Index;
    }
    if (Failure) std::rethrow_exception(Failure);
}

} // namespace vur
