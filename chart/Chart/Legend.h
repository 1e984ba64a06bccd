// TChartLegend: the framed box that lists the chart's series (one item per
// series) or the points of one series (one item per point), each item a
// colour symbol and one or two text columns. It is laid out and drawn
// before the series and, unless placed by the user, takes its room from
// ChartRect (LegendLayout.cpp, LegendDraw.cpp). A click on a check box
// switches its series on or off.
#pragma once

#include "chart/Chart/Title.h"
#include "chart/DaZezava/Series.h"
#include "chart/RoVedure/Gradient.h"
#include "chart/VurProcs/EventListeners.h"
#include "chart/VurProcs/Shape.h"
#include "framework/Strings.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace vur {

class TCustomChart;
class TCustomChartLegend;

enum TLegendAlignment : std::uint8_t { laLeft, laRight, laTop, laBottom };
enum TLegendStyle : std::uint8_t { lsAuto, lsSeries, lsValues, lsLastValues };
enum TCheckBoxesStyle : std::uint8_t { cbsCheck, cbsRadio };
enum TLegendSymbolSize : std::uint8_t { lcsPercent, lcsPixels };
enum TLegendSymbolPosition : std::uint8_t { spLeft, spRight };

// The chart's say in the legend: an item's text, an item's place, the box.
using TOnGetLegendText = std::function<void(TCustomAxisPanel* Sender, TLegendStyle LegendStyle, int Index,
                                            std::string& LegendText)>;
using TOnGetLegendPos = std::function<void(TCustomChart* Sender, int Index, int& X, int& Y, int& XColor)>;
using TOnGetLegendRect = std::function<void(TCustomChart* Sender, TRect& Rect)>;

// Called after each item's symbol is drawn (or would have been).
using TLegendSymbolDrawEvent =
    std::function<void(TCustomChartLegend* Sender, TChartSeries* Series, int ValueIndex, const TRect& Rect)>;

// The colour symbol of each item: its width, where it sits, its own pen.
class TLegendSymbol : public TPersistent {
public:
    explicit TLegendSymbol(TCustomChartLegend* ALegend);
    ~TLegendSymbol() override;

    std::string ClassName() const override { return "TLegendSymbol"; }
    void Assign(const TPersistent* Source) override;

    int GetWidth() const { return FWidth; }
    void SetWidth(int Value) { Set(FWidth, Value); }
    TLegendSymbolSize GetWidthUnits() const { return FWidthUnits; }
    void SetWidthUnits(TLegendSymbolSize Value) { Set(FWidthUnits, Value); }
    TLegendSymbolPosition GetPosition() const { return FPosition; }
    void SetPosition(TLegendSymbolPosition Value) { Set(FPosition, Value); }
    // As wide as an item is high, less the symbol's trims.
    bool GetSquared() const { return FSquared; }
    void SetSquared(bool Value) { Set(FSquared, Value); }
    // Symbols of neighbouring rows touch.
    bool GetContinuous() const { return FContinuous; }
    void SetContinuous(bool Value) { Set(FContinuous, Value); }
    bool GetVisible() const { return FVisible; }
    void SetVisible(bool Value) { Set(FVisible, Value); }
    // False: Pen replaces the series' pens in every symbol.
    bool GetDefaultPen() const { return FDefaultPen; }
    void SetDefaultPen(bool Value) { Set(FDefaultPen, Value); }
    TChartPen* GetPen() const { return FPen.get(); }
    TVurGradient* GetGradient() const { return FGradient.get(); }

    // The symbol's width for an item of reference width A.
    int CalcWidth(int A, int ItemHeight) const;

    TLegendSymbolDrawEvent OnDraw;

private:
    template <typename T>
    void Set(T& Variable, T Value) {
        if (Variable == Value) return;
        Variable = Value;
        Changed();
    }
    void Changed() const;

    TCustomChartLegend* FLegend;
    std::unique_ptr<TChartPen> FPen;
    std::unique_ptr<TVurGradient> FGradient;
    int FWidth = 20;
    TLegendSymbolSize FWidthUnits = lcsPercent;
    TLegendSymbolPosition FPosition = spLeft;
    bool FSquared = false;
    bool FContinuous = false;
    bool FVisible = true;
    bool FDefaultPen = true;
};

// The text above the items: a transparent box with a bold font.
class TLegendTitle : public TVurCustomShape {
public:
    explicit TLegendTitle(TCustomVurPanel* AParent);
    ~TLegendTitle() override;

    std::string ClassName() const override { return "TLegendTitle"; }
    void Assign(const TPersistent* Source) override;

    TStringList* GetText() const { return FText.get(); }
    void SetText(const TStrings* Value) { FText->Assign(Value); }
    // Replaces every line by Value.
    void SetCaption(const std::string& Value);
    TAlignment GetTextAlignment() const { return FTextAlignment; }
    void SetTextAlignment(TAlignment Value) { SetProperty(FTextAlignment, Value); }

    // Shown: visible and with text.
    bool Shown() const { return GetVisible() && FText->Count() > 0; }
    // Measured with the title's font selected on the canvas.
    int CalcHeight() const;
    int CalcTotalWidth() const;
    // Places the box at the top of the legend's rectangle and draws it.
    void DrawIn(const TRect& LegendRect);

private:
    std::unique_ptr<TStringList> FText;
    TAlignment FTextAlignment = taLeftJustify;
};

// The legend's fixed spacings, in pixels.
// The title box and the rows sit this far inside the legend box.
constexpr int LegendBoxInset = 2;
// The rows start one pixel below the title and end one above the box's bottom.
constexpr int LegendRowMargin = 1;
// From an item's x to its first column, symbol or text.
constexpr int LegendItemIndent = 6;
// Between the symbol and the text after it.
constexpr int LegendSymbolTextGap = 4;
// The symbol is cut this much from its row at the top and at the bottom.
constexpr int LegendSymbolTrimTop = 2;
constexpr int LegendSymbolTrimBottom = 3;
// The check box column left of each item, the glyph this far into it, and
// the least row height that holds the glyph.
constexpr int LegendCheckBoxColumn = 15;
constexpr int LegendCheckBoxIndent = 4;
constexpr int LegendCheckBoxRowHeight = 17;

// The legend's per-paint measures; they also answer clicks until the next paint.
struct TLegendLayout {
    TLegendStyle Style = lsSeries;
    int FirstValue = 0;
    int TotalItems = 0;
    int NumCols = 0;
    int NumRows = 0;
    int LastValue = -1;
    int ItemHeight = 0;
    int TextBlockWidth = 0;
    int SymbolWidth = 0;
    int SpaceWidth = 0;
    int FrameWidth = 0;
    int FirstItemTop = 0;
    // Where the items start: the box's left, beyond the check boxes.
    int XItems = 0;
    std::array<int, 2> ColumnWidths{};
    bool TitleShown = false;
    // The rows' offset below the box top and the title box's width.
    int TitleHeight = 0;
    int TitleWidth = 0;
    bool CheckBoxes = false;
};

// The legend box's gradient: hidden, silver at the right to white.
class TChartLegendGradient : public TVurGradient {
public:
    explicit TChartLegendGradient(TNotifyEvent AOnChange);
    std::string ClassName() const override { return "TChartLegendGradient"; }
};

// It listens to the chart to forget its Series when that goes away.
class TCustomChartLegend : public TVurCustomShapePosition, public IVurEventListener {
public:
    explicit TCustomChartLegend(TCustomVurPanel* AParent);
    ~TCustomChartLegend() override;

    std::string ClassName() const override { return "TCustomChartLegend"; }
    void Assign(const TPersistent* Source) override;

    TLegendAlignment GetAlignment() const { return FAlignment; }
    void SetAlignment(TLegendAlignment Value) { SetProperty(FAlignment, Value); }
    TLegendStyle GetLegendStyle() const { return FLegendStyle; }
    void SetLegendStyle(TLegendStyle Value) { SetProperty(FLegendStyle, Value); }
    TLegendTextStyle GetTextStyle() const { return FTextStyle; }
    void SetTextStyle(TLegendTextStyle Value) { SetProperty(FTextStyle, Value); }
    int GetTopPos() const { return FTopPos; }
    void SetTopPos(int Value) { SetProperty(FTopPos, Value); }
    int GetMaxNumRows() const { return FMaxNumRows; }
    void SetMaxNumRows(int Value) { SetProperty(FMaxNumRows, Value); }
    bool GetResizeChart() const { return FResizeChart; }
    void SetResizeChart(bool Value) { SetProperty(FResizeChart, Value); }
    int GetHorizMargin() const { return FHorizMargin; }
    void SetHorizMargin(int Value) { SetProperty(FHorizMargin, Value); }
    int GetVertMargin() const { return FVertMargin; }
    void SetVertMargin(int Value) { SetProperty(FVertMargin, Value); }
    int GetVertSpacing() const { return FVertSpacing; }
    void SetVertSpacing(int Value) { SetProperty(FVertSpacing, Value); }
    int GetFirstValue() const { return FFirstValue; }
    // Below 0 raises LegendException and keeps the value.
    void SetFirstValue(int Value);
    bool GetInverted() const { return FInverted; }
    void SetInverted(bool Value) { SetProperty(FInverted, Value); }
    bool GetCurrentPage() const { return FCurrentPage; }
    void SetCurrentPage(bool Value) { SetProperty(FCurrentPage, Value); }
    bool GetFontSeriesColor() const { return FFontSeriesColor; }
    void SetFontSeriesColor(bool Value) { SetProperty(FFontSeriesColor, Value); }
    bool GetCheckBoxes() const { return FCheckBoxes; }
    void SetCheckBoxes(bool Value) { SetProperty(FCheckBoxes, Value); }
    TCheckBoxesStyle GetCheckBoxesStyle() const { return FCheckBoxesStyle; }
    void SetCheckBoxesStyle(TCheckBoxesStyle Value) { SetProperty(FCheckBoxesStyle, Value); }
    TChartHiddenPen* GetDividingLines() const { return FDividingLines.get(); }
    // The symbol's Width.
    int GetColorWidth() const { return FSymbol->GetWidth(); }
    void SetColorWidth(int Value) { FSymbol->SetWidth(Value); }
    TLegendSymbol* GetSymbol() const { return FSymbol.get(); }
    TLegendTitle* GetTitle() const { return FTitle.get(); }
    // The series whose points a legend of values lists; none: the first active one.
    TChartSeries* GetSeries() const { return FSeries; }
    void SetSeries(TChartSeries* Value) { SetProperty(FSeries, Value); }
    void VurEvent(const TVurEvent& Event) override;

    // Left and right legends are vertical.
    bool GetVertical() const { return FAlignment == laLeft || FAlignment == laRight; }
    // Visible, and with check boxes or at least one active series.
    bool ShouldDraw() const;
    // LegendStyle with lsAuto resolved against the chart's series.
    TLegendStyle CalcLegendStyle() const;
    TChartSeries* GetLegendSeries() const;
    bool HasCheckBoxes() const { return FCheckBoxes && FLayout.Style != lsValues; }
    // The item's text as shown: the series' text with OnGetLegendText applied.
    std::string FormattedLegend(int Index) const;
    // The series of a series item (lsSeries, lsLastValues); none past the end.
    TChartSeries* SeriesOfItem(int Index) const;
    const TLegendLayout& GetLayout() const { return FLayout; }

    // Lays out, draws and (ResizeChart, no custom position) takes the room
    // from the chart's ChartRect.
    void DrawLegend();
    // Drawn in the last paint, with (X, Y) inside its box.
    bool ContainsPoint(int X, int Y) const;
    // The item under (X, Y) in the last paint, or -1.
    int Clicked(int X, int Y) const;
    // The symbol of an item without a shape of its own, in the canvas'
    // brush colour: a box, or the symbol's gradient when visible.
    void DrawPlainSymbol(const TRect& Rect);
    // A click on an item with a check box switches its series; true when one switched.
    bool DoMouseDown(int X, int Y);

protected:
    TVurGradientClass GetGradientClass() const override;

private:
    TCustomChart* Chart() const;
    // Counts and measures the items (algorithms of the effective style).
    void CalcItems();
    void CalcMeasures();
    void CalcVerticalBounds(TRect& Bounds);
    void CalcHorizontalBounds(TRect& Bounds);
    // The widest texts of both columns over the items First..Last.
    void MeasureText(int First, int Last);
    void ResizeChartRect() const;
    void DrawItems();
    void DrawItem(int Index, int Position);
    // The x offset of the item at Position from the first column.
    int ColumnOffset(int Position) const;
    void DrawSymbol(int Index, const TRect& Rect);
    void DrawDividingLine(int Position, int Y);
    void KeepOneActive() const;

    std::unique_ptr<TChartHiddenPen> FDividingLines;
    std::unique_ptr<TLegendSymbol> FSymbol;
    std::unique_ptr<TLegendTitle> FTitle;
    TChartSeries* FSeries = nullptr;
    TLegendAlignment FAlignment = laRight;
    TLegendStyle FLegendStyle = lsAuto;
    TLegendTextStyle FTextStyle = ltsLeftValue;
    int FTopPos = 10;
    int FMaxNumRows = 10;
    bool FResizeChart = true;
    int FHorizMargin = 0;
    int FVertMargin = 0;
    int FVertSpacing = 0;
    int FFirstValue = 0;
    bool FInverted = false;
    bool FCurrentPage = true;
    bool FFontSeriesColor = false;
    bool FCheckBoxes = false;
    TCheckBoxesStyle FCheckBoxesStyle = cbsCheck;
    TLegendLayout FLayout;
};

class TChartLegend : public TCustomChartLegend {
public:
    using TCustomChartLegend::TCustomChartLegend;
    std::string ClassName() const override { return "TChartLegend"; }
};

} // namespace vur
