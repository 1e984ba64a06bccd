// TChartAxis: one axis of a chart panel. It finds its value range (from the
// series or from values the user set), places its ends on the chart
// rectangle, maps values to pixels and back, chooses the label increment and
// draws itself, its labels chosen by a TAxisLabelWalk that lives for one Draw.
// TChartDepthAxis is the axis that runs into the depth of a 3D chart.
#pragma once

#include "chart/DaZezava/AxisItems.h"
#include "chart/DaZezava/AxisMapping.h"
#include "chart/RoVedure/ChartPen.h"
#include "chart/RoVedure/MultiLineText.h"
#include "chart/RoVedure/VurFont.h"
#include "chart/VurProcs/DateTimeStep.h"
#include "chart/VurProcs/Units.h"
#include "format/DateTimePattern.h"
#include "format/KeptPattern.h"
#include "format/NumberPattern.h"
#include "framework/Classes.h"
#include "framework/Types.h"

#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace vur {

class TAxisLabelWalk;
class TChartAxis;
class TChartSeries;
class TCustomAxisPanel;

enum TAxisLabelStyle : std::uint8_t { talAuto, talNone, talValue, talMark, talText };
enum TAxisLabelAlign : std::uint8_t { alDefault, alOpposite };

// The smallest span SetMinMax leaves, and the smallest numeric increment.
inline constexpr double MinAxisRange = 1e-10;
inline constexpr double MinAxisIncrement = 1e-12;

using TAxisOnGetLabel =
    std::function<void(TChartAxis* Sender, TChartSeries* Series, int ValueIndex, std::string& LabelText)>;
using TAxisOnGetNextLabel =
    std::function<void(TChartAxis* Sender, int LabelIndex, double& LabelValue, bool& Stop)>;
using TAxisDrawLabelEvent =
    std::function<void(TChartAxis* Sender, int& X, int& Y, int& Z, std::string& Text, bool& DrawLabel)>;

// The pen of the axis line: two pixels wide unless changed.
class TChartAxisPen : public TChartPen {
public:
    explicit TChartAxisPen(TNotifyEvent OnChange = {});
    std::string ClassName() const override { return "TChartAxisPen"; }
};

// Grey dotted grid lines; Centered puts them between labels, ZPosition is
// where the side grid ends in 3D (percent of the chart depth).
class TAxisGridPen : public TDottedGrayPen {
public:
    explicit TAxisGridPen(TNotifyEvent OnChange = {});
    std::string ClassName() const override { return "TAxisGridPen"; }
    bool GetCentered() const { return FCentered; }
    void SetCentered(bool Value);
    double GetZPosition() const { return FZPosition; }
    void SetZPosition(double Value);
    // The depth the panel gives this axis' grid; only another one is stored.
    void InitZPosition(double Value) { FZPosition = FDefaultZPosition = Value; }
    bool IsZPositionStored() const { return FZPosition != FDefaultZPosition; }

private:
    bool FCentered = false;
    double FZPosition = 0;
    double FDefaultZPosition = 0;
};

class TChartAxisTitle : public TPersistent {
public:
    explicit TChartAxisTitle(TNotifyEvent OnChange);
    std::string ClassName() const override { return "TChartAxisTitle"; }

    int GetAngle() const { return FAngle; }
    // Kept modulo 360.
    void SetAngle(int Value);
    // The angle the panel gave this axis; only another angle is stored.
    void InitAngle(int Value);
    bool IsAngleStored() const { return FAngle != FDefaultAngle; }
    const std::string& GetCaption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    TVurFont* GetFont() const { return FFont.get(); }
    bool GetVisible() const { return FVisible; }
    void SetVisible(bool Value);

private:
    void Changed();

    TNotifyEvent FOnChange;
    int FAngle = 0;
    int FDefaultAngle = 0;
    std::string FCaption;
    std::unique_ptr<TVurFont> FFont;
    bool FVisible = true;
};

class TChartAxis : public TPersistent {
public:
    // Appends itself to the chart's axis list; custom axes are created by
    // the chart's CustomAxes, which owns them.
    explicit TChartAxis(TCustomAxisPanel* AParentChart);
    // An axis of the given direction and side that its creator owns.
    TChartAxis(TCustomAxisPanel* AParentChart, bool AHorizontal, bool AOtherSide);
    // Leaves the list; series using it as a custom axis fall back to the
    // bottom or left axis.
    ~TChartAxis() override;

    std::string ClassName() const override { return "TChartAxis"; }

    TCustomAxisPanel* GetParentChart() const { return FParentChart; }
    // Index in the chart's axis list above 5.
    bool IsCustom() const;
    TChartAxis* GetMasterAxis() const { return FMasterAxis; }
    void SetMasterAxis(TChartAxis* Value) { FMasterAxis = Value; }

    // ---- range properties
    bool GetAutomatic() const { return FAutomatic; }
    void SetAutomatic(bool Value);
    bool GetAutomaticMinimum() const { return FAutomaticMinimum; }
    void SetAutomaticMinimum(bool Value);
    bool GetAutomaticMaximum() const { return FAutomaticMaximum; }
    void SetAutomaticMaximum(bool Value);
    double GetMinimum() const { return FMinimum; }
    // Raises AxisException when Value > Maximum (not while loading).
    void SetMinimum(double Value);
    double GetMaximum() const { return FMaximum; }
    // Raises AxisException when Value < Minimum (not while loading).
    void SetMaximum(double Value);
    bool IsMinimumStored() const { return !FAutomatic && !FAutomaticMinimum; }
    bool IsMaximumStored() const { return !FAutomatic && !FAutomaticMaximum; }
    int GetMinimumOffset() const { return FMinimumOffset; }
    void SetMinimumOffset(int Value);
    int GetMaximumOffset() const { return FMaximumOffset; }
    void SetMaximumOffset(int Value);
    bool GetInverted() const { return FInverted; }
    virtual void SetInverted(bool Value);
    bool GetLogarithmic() const { return FLogarithmic; }
    // True raises AxisException on a date-time axis or a range below 0.
    void SetLogarithmic(bool Value);
    double GetLogarithmicBase() const { return FLogarithmicBase; }
    // Raises AxisException for 1 and for values <= 0.
    void SetLogarithmicBase(double Value);
    bool GetHorizontal() const { return FHorizontal; }
    void SetHorizontal(bool Value);
    bool GetOtherSide() const { return FOtherSide; }
    void SetOtherSide(bool Value);
    double GetStartPosition() const { return FStartPosition; }
    void SetStartPosition(double Value);
    double GetEndPosition() const { return FEndPosition; }
    void SetEndPosition(double Value);
    double GetPositionPercent() const { return FPositionPercent; }
    void SetPositionPercent(double Value);
    TVurUnits GetPositionUnits() const { return FPositionUnits; }
    void SetPositionUnits(TVurUnits Value);
    double GetZPosition() const { return FZPosition; }
    // 0 is stored as 0.01.
    void SetZPosition(double Value);
    bool GetVisible() const { return FVisible; }
    void SetVisible(bool Value);
    bool GetIsDepthAxis() const { return FIsDepthAxis; }

    // ---- label properties
    double GetIncrement() const { return FDesiredIncrement; }
    // Raises AxisException for a negative increment.
    void SetDesiredIncrement(double Value);
    void SetIncrement(double Value) { SetDesiredIncrement(Value); }
    TAxisLabelStyle GetLabelStyle() const { return FLabelStyle; }
    void SetLabelStyle(TAxisLabelStyle Value);
    int GetLabelsSeparation() const { return FLabelsSeparation; }
    // Raises AxisException for a negative value; 0 switches separation off.
    void SetLabelsSeparation(int Value);
    bool GetLabelsAlternate() const { return FLabelsAlternate; }
    void SetLabelsAlternate(bool Value);
    bool GetLabelsOnAxis() const { return FLabelsOnAxis; }
    void SetLabelsOnAxis(bool Value);
    bool GetRoundFirstLabel() const { return FRoundFirstLabel; }
    void SetRoundFirstLabel(bool Value);
    bool GetExactDateTime() const { return FExactDateTime; }
    void SetExactDateTime(bool Value);
    bool GetTickOnLabelsOnly() const { return FTickOnLabelsOnly; }
    void SetTickOnLabelsOnly(bool Value);
    // The visibility of the label format.
    bool GetLabels() const { return FItems->GetFormat()->GetVisible(); }
    void SetLabels(bool Value) { FItems->GetFormat()->SetVisible(Value); }
    int GetLabelsAngle() const { return FLabelsAngle; }
    void SetLabelsAngle(int Value);
    TAxisItems* GetItems() const { return FItems.get(); }
    const std::string& GetAxisValuesFormat() const { return FAxisValuesFormat; }
    void SetAxisValuesFormat(const std::string& Value);
    bool IsAxisValuesFormatStored() const;
    const std::string& GetDateTimeFormat() const { return FDateTimeFormat; }
    void SetDateTimeFormat(const std::string& Value);
    bool GetLabelsMultiLine() const { return FLabelsMultiLine; }
    void SetLabelsMultiLine(bool Value);

    // ---- drawing properties
    TChartAxisPen* GetAxis() const { return FAxisPen.get(); }
    TDarkGrayPen* GetTicks() const { return FTicks.get(); }
    int GetTickLength() const { return FTickLength; }
    void SetTickLength(int Value);
    TDarkGrayPen* GetTicksInner() const { return FTicksInner.get(); }
    int GetTickInnerLength() const { return FTickInnerLength; }
    void SetTickInnerLength(int Value);
    TDarkGrayPen* GetMinorTicks() const { return FMinorTicks.get(); }
    int GetMinorTickLength() const { return FMinorTickLength; }
    void SetMinorTickLength(int Value);
    int GetMinorTickCount() const { return FMinorTickCount; }
    void SetMinorTickCount(int Value);
    TAxisGridPen* GetGrid() const { return FGrid.get(); }
    bool GetGridCentered() const { return FGrid->GetCentered(); }
    void SetGridCentered(bool Value) { FGrid->SetCentered(Value); }
    TChartHiddenPen* GetMinorGrid() const { return FMinorGrid.get(); }
    TVurFont* GetLabelsFont() const { return FItems->GetFormat()->GetFont(); }
    TAxisLabelAlign GetLabelsAlign() const { return FLabelsAlign; }
    void SetLabelsAlign(TAxisLabelAlign Value);
    int GetLabelsSize() const { return FLabelsSize; }
    void SetLabelsSize(int Value);
    bool GetLabelsExponent() const { return FLabelsExponent; }
    void SetLabelsExponent(bool Value);
    TChartAxisTitle* GetTitle() const { return FTitle.get(); }
    int GetTitleSize() const { return FTitleSize; }
    void SetTitleSize(int Value);
    TAxisDrawLabelEvent OnDrawLabel;

    // ---- range of the current paint
    // Fetches the automatic ends from the series and derives the range state.
    void AdjustMaxMin();
    // Writes the series extremes into the automatic ends.
    void CalcMinMax(double& AMin, double& AMax) const;
    void InternalCalcRange();
    // Places the ends on the chart rectangle.
    void InternalCalcPositions();
    void RecalcSizeCenter();
    // Widens the range so that the data keeps the given pixel margins
    // (left/right on horizontal axes, top/bottom on vertical ones).
    void AdjustMaxMinRect(const TRect& Margins);
    // Manual range: swaps reversed ends and keeps a span of MinAxisRange.
    void SetMinMax(double AMin, double AMax);
    // Shifts both ends; with CheckLimits only towards data beyond them.
    void Scroll(double Offset, bool CheckLimits);
    bool IsDateTime() const;
    int CalcZPos() const;

    int GetPixelStart() const { return FPixelStart; }
    int GetPixelEnd() const { return FPixelEnd; }
    int GetPixelSize() const { return FPixelSize; }
    int GetPixelCenter() const { return FPixelCenter; }
    double GetRangeMinimum() const { return FRangeMinimum; }
    double GetRangeMaximum() const { return FRangeMaximum; }
    double GetRangeSpan() const { return FRangeSpan; }
    bool GetRangeIsZero() const { return FRangeIsZero; }
    double GetPixelsPerValue() const { return FPixelsPerValue; }
    double GetLogRangeMinimum() const { return FLogRangeMinimum; }
    double GetLogRangeMaximum() const { return FLogRangeMaximum; }
    double GetLogRangeSpan() const { return FLogRangeSpan; }
    double GetPixelsPerLogValue() const { return FPixelsPerLogValue; }
    bool GetVisibleInPaint() const { return FVisibleInPaint; }
    void SetVisibleInPaint(bool Value) { FVisibleInPaint = Value; }
    bool GetAxisIsDateTime() const { return FAxisIsDateTime; }
    void SetAxisIsDateTime(bool Value) { FAxisIsDateTime = Value; }
    int GetDepthPixelPos() const { return FDepthPixelPos; }

    // ---- value to pixel, through the mapping of the current range
    int CalcXPosValue(double Value) const { return GetMapping().X.Map(Value); }
    int CalcYPosValue(double Value) const { return GetMapping().Y.Map(Value); }
    int CalcPosValue(double Value) const {
        return (FHorizontal ? GetMapping().X : GetMapping().Y).Map(Value);
    }
    // CalcXPosValue (AsX) or CalcYPosValue of every value into Pixels, of
    // the same size.
    void CalcPosValues(std::span<const double> Values, std::span<int> Pixels, bool AsX) const {
        (AsX ? GetMapping().X : GetMapping().Y).Map(Values, Pixels);
    }
    // Built on first use after the range, the ends, the kind or the
    // direction changed: once per paint, after its range steps.
    const TAxisMapping& GetMapping() const {
        if (FMappingStale) [[unlikely]]
            BuildMapping();
        return FMapping;
    }
    // Chooses the mapping: depth, logarithmic, unchecked with the chart's
    // FastCalc, else checked.
    void SetCalcPosValue() { FMappingStale = true; }
    // The mapping forms by name, whichever the axis uses.
    int XPosValue(double Value) const;
    int YPosValue(double Value) const;
    int XPosValueCheck(double Value) const;
    int YPosValueCheck(double Value) const;
    int LogXPosValue(double Value) const;
    int LogYPosValue(double Value) const;
    int InternalCalcDepthPosValue(double Value) const;
    // Pixel to value.
    double CalcPosPoint(int Pixel) const;
    // Pixel length of a value difference.
    int CalcSizeValue(double Value) const;

    // ---- increments
    TAxisLabelStyle CalcLabelStyle() const;
    double CalcIncrement();
    double CalcXYIncrement(int MaxLabelSize);
    double CalcLabelsIncrement(int MaxNumLabels);
    double CalcDateTimeIncrement(int MaxNumLabels) const;
    int InternalLabelSize(double Value, bool IsWidth);
    int LabelWidth(double Value) { return InternalLabelSize(Value, true); }
    int LabelHeight(double Value) { return InternalLabelSize(Value, false); }
    // Room for this many labels, found by the last CalcXYIncrement.
    int GetMaxLabelCount() const { return FMaxLabelCount; }
    double RoundLogPower(double Value) const;
    void IncDecDateTime(bool Increment, double& Value, double AIncrement, TDateTimeStep Step) const;

    // ---- layout (chart/DaZezava/AxisLayout.cpp)
    // Takes the title, labels and line bands off R on the axis' side; without
    // InflateChartRectangle only the anchors are placed outwards from R.
    void CalcRect(TRect& R, bool InflateChartRectangle);
    // The band of the axis line and the outer ticks.
    int SizeTickAxis() const;
    // The depth of the labels band (doubled for alternate rows).
    int SizeLabels();
    // FixedSize, else the font height when the text runs along the band, else
    // the width of Text (MaxLabelsWidth when empty).
    int InternalCalcSize(TVurFont* Font, int Angle, int FixedSize, const std::string& Text);
    // The widest label text plus one blank for value labels.
    int MaxLabelsWidth();
    // Pos moved away from the chart by Size.
    int InflateAxisPos(int Pos, int Size) const;
    // The clickable band from the labels to the axis line.
    TRect AxisRect() const;
    bool Clicked(int X, int Y) const;
    // The edge of R the axis stands on.
    int GetRectangleEdge(const TRect& R) const;
    // Pos shifted across the chart by PositionPercent.
    int ApplyPosition(int Pos, const TRect& R) const;
    // Text alignment and vertical position of depth-axis texts.
    unsigned DepthAxisAlign() const;
    int DepthAxisPos() const;

    // ---- texts (chart/DaZezava/AxisText.cpp)
    virtual std::string LabelValue(double Value);
    // One label or title text at (X, Y) aligned for the axis' side and Angle;
    // Format draws an opaque box behind it (none: the labels format).
    void DrawAxisLabel(int X, int Y, int Angle, const std::string& Text, TAxisLabelFormat* Format = nullptr);
    void DrawTitle(int X, int Y);
    // Every label text passes here; records its tick when ticks follow labels.
    virtual void DrawLabelAt(int Position, const std::string& Text, TAxisItem* Item);

    // ---- drawing (chart/DaZezava/AxisDraw.cpp)
    // Title, labels, line, ticks, grid, inner and minor ticks, minor grid;
    // CalcPosAxis places the axis line on the chart rectangle first.
    void Draw(bool CalcPosAxis);
    // Grid lines at the first TickCount recorded positions (or between them).
    void DrawGrids(int TickCount);
    // Only strictly between the axis ends, so the chart frame stays intact.
    void DrawGridLine(int Pos);
    // Parts of the 3D grid behind the series that a repeated drawing leaves
    // out: the line across the back wall and the line along the side wall.
    // Run-time switches of one paint, not stored.
    bool GetHideBackGrid() const { return FHideBackGrid; }
    void SetHideBackGrid(bool Value) { FHideBackGrid = Value; }
    bool GetHideSideGrid() const { return FHideSideGrid; }
    void SetHideSideGrid(bool Value) { FHideSideGrid = Value; }
    // The axis drawn again at the given anchors; the range, increment and
    // grid visibility are restored afterwards.
    void CustomDraw(int APosLabels, int APosTitle, int APosAxis, bool GridVisible);
    void CustomDrawMinMax(int APosLabels, int APosTitle, int APosAxis, bool GridVisible, double AMinimum,
                          double AMaximum, double AIncrement);
    void CustomDrawStartEnd(int APosLabels, int APosTitle, int APosAxis, bool GridVisible, int AStartPos,
                            int AEndPos);
    void CustomDrawMinMaxStartEnd(int APosLabels, int APosTitle, int APosAxis, bool GridVisible,
                                  double AMinimum, double AMaximum, double AIncrement, int AStartPos,
                                  int AEndPos);
    virtual void AddTick(int Position);
    const std::vector<int>& GetTickPositions() const { return FTickPositions; }
    int GetAxisLinePos() const { return FAxisLinePos; }
    int GetLabelsPos() const { return FLabelsPos; }
    int GetTitlePos() const { return FTitlePos; }

protected:
    virtual TAxisLabelStyle InternalCalcLabelStyle() const;
    void InitDepthAxis();
    void Repaint();
    void SetBooleanProperty(bool& Variable, bool Value);
    void SetIntegerProperty(int& Variable, int Value);
    void SetDoubleProperty(double& Variable, double Value);

    TCustomAxisPanel* FParentChart;
    bool FInverted = false;

private:
    friend class TAxisLabelWalk;
    bool Loading() const;
    // The mapping of Kind over the current range and pixel ends.
    TAxisMapping MappingOf(TAxisMappingKind Kind) const;
    void BuildMapping() const;
    // Increment helpers.
    bool FewPointsOnAxis(int N) const;
    bool LiesAlongPositions(const TChartSeries* Series) const;
    // The extent of a label text along (AlongLines) or across its lines, in the canvas' current font.
    int LabelTextSize(const std::string& Text, bool AlongLines) const;
    // The label of a series' depth slot: its title, else its name.
    static std::string DepthSlotText(const TChartSeries* Series);
    // Layout and drawing helpers.
    void ReduceChartRect(TRect& R, int Size) const;
    int MaxSeriesLabelWidth(TAxisLabelStyle Style);
    int MaxDepthSlotWidth();
    int WallSize(const TChartAxis* Axis) const;
    void DrawAxisLine();
    // The height of a depth axis' line and ticks.
    int DepthAxisLineY() const;
    void DrawTick(int Pos, int Offset, int Length);
    void DrawMinor(bool AsGrid);
    // The minor ticks From - Round(Step * J) for J = 1..Count.
    void DrawMinorRun(int From, double Step, int Count, bool AsGrid);
    void DrawMinorAt(int Pos, bool AsGrid);
    void CustomDrawAt(int APosLabels, int APosTitle, int APosAxis, bool GridVisible);

    bool FAutomatic = true;
    bool FAutomaticMinimum = true;
    bool FAutomaticMaximum = true;
    double FMinimum = 0;
    double FMaximum = 0;
    int FMinimumOffset = 0;
    int FMaximumOffset = 0;
    bool FLogarithmic = false;
    double FLogarithmicBase = 10;
    bool FHorizontal = false;
    bool FOtherSide = false;
    double FStartPosition = 0;
    double FEndPosition = 100;
    double FPositionPercent = 0;
    TVurUnits FPositionUnits = muPercent;
    double FZPosition = 0;
    bool FVisible = true;
    bool FIsDepthAxis = false;
    TChartAxis* FMasterAxis = nullptr;
    // Inside SetMinMax's pass over the axes this one is master of.
    bool FSettingScales = false;

    double FDesiredIncrement = 0;
    TAxisLabelStyle FLabelStyle = talAuto;
    int FLabelsSeparation = 10;
    bool FLabelsAlternate = false;
    bool FLabelsOnAxis = true;
    bool FRoundFirstLabel = true;
    bool FExactDateTime = true;
    bool FTickOnLabelsOnly = true;
    int FLabelsAngle = 0;
    std::string FAxisValuesFormat;
    std::string FDateTimeFormat;
    // Parsed once for all the labels of a paint, not once per label.
    TKeptPattern<TNumberPattern> FKeptNumberPattern;
    TKeptPattern<TDateTimePattern> FKeptDateTimePattern;
    bool FLabelsMultiLine = false;

    std::unique_ptr<TChartAxisPen> FAxisPen;
    std::unique_ptr<TDarkGrayPen> FTicks;
    int FTickLength = 4;
    std::unique_ptr<TDarkGrayPen> FTicksInner;
    int FTickInnerLength = 0;
    std::unique_ptr<TDarkGrayPen> FMinorTicks;
    int FMinorTickLength = 2;
    int FMinorTickCount = 3;
    std::unique_ptr<TAxisGridPen> FGrid;
    std::unique_ptr<TChartHiddenPen> FMinorGrid;
    TAxisLabelAlign FLabelsAlign = alDefault;
    int FLabelsSize = 0;
    bool FLabelsExponent = false;
    std::unique_ptr<TChartAxisTitle> FTitle;
    int FTitleSize = 0;
    std::unique_ptr<TAxisItems> FItems;

    // Run-time state of the current paint.
    int FPixelStart = 0;
    int FPixelEnd = 0;
    int FPixelSize = 0;
    int FPixelCenter = 0;
    double FRangeMinimum = 0;
    double FRangeMaximum = 0;
    double FRangeSpan = 0;
    bool FRangeIsZero = true;
    double FPixelsPerValue = 0;
    double FLogRangeMinimum = 0;
    double FLogRangeMaximum = 0;
    double FLogRangeSpan = 0;
    double FPixelsPerLogValue = 0;
    bool FVisibleInPaint = false;
    bool FAxisIsDateTime = false;
    int FDepthPixelPos = 0;
    int FMaxLabelCount = 0;
    // The last date-time increment search, which a repaint of the same range
    // asks for again: a result of these inputs alone.
    struct TDateTimeIncrementSearch {
        double Span = std::numeric_limits<double>::quiet_NaN();
        double Desired = 0;
        int Labels = 0;
        double Result = 0;
    };
    mutable TDateTimeIncrementSearch FLastDateTimeIncrement;
    int FAxisLinePos = 0;
    int FLabelsPos = 0;
    int FTitlePos = 0;
    std::vector<int> FTickPositions;
    // The labels of the Draw under way.
    TAxisLabelWalk* FLabelWalk = nullptr;
    bool FHideBackGrid = false;
    bool FHideSideGrid = false;
    mutable TAxisMapping FMapping;
    mutable bool FMappingStale = true;
};

class TChartDepthAxis : public TChartAxis {
public:
    explicit TChartDepthAxis(TCustomAxisPanel* AParentChart);
    std::string ClassName() const override { return "TChartDepthAxis"; }
    // The other depth axis follows.
    void SetInverted(bool Value) override;

protected:
    TAxisLabelStyle InternalCalcLabelStyle() const override;
};

} // namespace vur
