// TSeriesMarks: the value marks of a series, a framed box per point with an
// optional callout line. The marks remember where each box went (placements
// the user may fix) and hold per-point overrides of the box. Drawing, the
// click test and anti-overlap are in MarksDraw.cpp; the texts come from the
// series (SeriesMarks.cpp).
#pragma once

#include "chart/DaZezava/Callout.h"
#include "chart/VurProcs/Shape.h"
#include "framework/Types.h"

#include <memory>
#include <string>
#include <vector>

namespace vur {

class TChartSeries;
class TCustomAxisPanel;

enum TSeriesMarksStyle : std::uint8_t {
    smsValue,
    smsPercent,
    smsLabel,
    smsLabelPercent,
    smsLabelValue,
    smsLegend,
    smsPercentTotal,
    smsLabelPercentTotal,
    smsXValue,
    smsXY
};

// Where one mark was drawn or placed.
struct TSeriesMarkPosition {
    TPoint ArrowStart;
    bool FixArrowStart = false;
    TPoint ArrowEnd;
    bool IsCustom = false;
    int Height = 0;
    TPoint MarkLeftTop;
    int Width = 0;

    TRect Bounds() const {
        return TRect{MarkLeftTop.X, MarkLeftTop.Y, MarkLeftTop.X + Width, MarkLeftTop.Y + Height};
    }
    // Copies the geometry, not the flags.
    void Assign(const TSeriesMarkPosition& Source);
};

// Placements indexed by point; entries may be missing.
class TSeriesMarksPositions {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    // None beyond the end or for an empty entry.
    TSeriesMarkPosition* Get(int Index) const;
    // The entry of Index, made (not custom) when missing.
    TSeriesMarkPosition& Ensure(int Index);
    // Stores a custom placement for the point.
    void Put(int Index, const TSeriesMarkPosition& Position);
    void Automatic(int Index);
    bool ExistCustom() const;
    // Removes the existing entries of Index..Index+Quantity-1.
    void Delete(int Index, int Quantity = 1);
    void Clear() { FItems.clear(); }

private:
    std::vector<std::unique_ptr<TSeriesMarkPosition>> FItems;
};

// A per-point override of one mark: its own box appearance and, when Text
// is not empty, its own lines instead of the computed text.
class TMarksItem : public TVurCustomShape {
public:
    explicit TMarksItem(TCustomVurPanel* AParent);
    std::string ClassName() const override { return "TMarksItem"; }
    std::vector<std::string> Text;

protected:
    // Grey, 1 pixel: the marks' own shadow defaults.
    void InitShadow(TVurShadow& Shadow) const override;
};

class TSeriesMarks;

class TMarksItems {
public:
    explicit TMarksItems(TSeriesMarks& Marks) : FMarks(Marks) {}
    int Count() const { return static_cast<int>(FItems.size()); }
    // Creates the item on first access, with the marks' colour and shadow defaults.
    TMarksItem* Get(int Index);
    // The item of the point, or none.
    TMarksItem* Find(int Index) const;
    void Delete(int Index);
    // Destroys every item and repaints.
    void Clear();
    // Destroys every item; the caller repaints.
    void Forget() { FItems.clear(); }
    // Gives every item the chart it draws on.
    void SetParent(TCustomVurPanel* Parent);

private:
    TSeriesMarks& FMarks;
    std::vector<std::unique_ptr<TMarksItem>> FItems;
};

// The callout of marks: a line 8 pixels long by default.
class TMarksCallout : public TCallout {
public:
    explicit TMarksCallout(TChartSeries* AOwner) : TCallout(AOwner) {}
    std::string ClassName() const override { return "TMarksCallout"; }
    void Assign(const TPersistent* Source) override;

    int GetLength() const { return FLength; }
    void SetLength(int Value) { SetProperty(FLength, Value); }
    bool IsLengthStored() const { return FLength != 8; }

private:
    int FLength = 8;
};

// The small coloured square a mark can show before its text.
class TSeriesMarksSymbol : public TVurCustomShape {
public:
    explicit TSeriesMarksSymbol(TCustomVurPanel* AParent);
    std::string ClassName() const override { return "TSeriesMarksSymbol"; }
};

class TSeriesMarks : public TVurCustomShape {
public:
    explicit TSeriesMarks(TChartSeries* AOwner);
    ~TSeriesMarks() override;

    std::string ClassName() const override { return "TSeriesMarks"; }
    void Assign(const TPersistent* Source) override;

    TSeriesMarksStyle GetStyle() const { return FStyle; }
    void SetStyle(TSeriesMarksStyle Value) { SetProperty(FStyle, Value); }
    int GetDrawEvery() const { return FDrawEvery; }
    // 0 or less raises ChartException and keeps the value.
    void SetDrawEvery(int Value);
    int GetAngle() const { return FAngle; }
    void SetAngle(int Value) { SetProperty(FAngle, Value); }
    bool GetClip() const { return FClip; }
    void SetClip(bool Value) { SetProperty(FClip, Value); }
    bool GetMultiLine() const { return FMultiLine; }
    void SetMultiLine(bool Value) { SetProperty(FMultiLine, Value); }
    TColor GetBackColor() const { return GetColor(); }
    void SetBackColor(TColor Value) { SetColor(Value); }
    // Created on first use.
    TMarksCallout* GetCallout();
    // Without creating it.
    TMarksCallout* FindCallout() const { return FCallout.get(); }
    TChartPen* GetArrow() { return GetCallout()->GetArrow(); }
    int GetArrowLength() { return GetCallout()->GetLength(); }
    void SetArrowLength(int Value) { GetCallout()->SetLength(Value); }
    // Created on first use.
    TSeriesMarksSymbol* GetSymbol();
    TSeriesMarksSymbol* FindSymbol() const { return FSymbol.get(); }
    // Depth the marks draw at in 3D.
    int GetZPosition() const { return FZPosition; }
    void SetZPosition(int Value) { FZPosition = Value; }

    TChartSeries* GetSeries() const { return FSeries; }
    TCustomAxisPanel* GetParentChart() const;
    void SetParentChart(TCustomAxisPanel* Value);

    TSeriesMarksPositions& Positions() { return FPositions; }
    const TSeriesMarksPositions& Positions() const { return FPositions; }
    TMarksItems& Items() { return FItems; }
    // The point's own item when it has one, else the marks themselves.
    TVurCustomShape* MarkItem(int ValueIndex);
    // Set while the stored items are read: clearing the series keeps them.
    bool GetLoadingItems() const { return FLoadingItems; }
    void SetLoadingItems(bool Value) { FLoadingItems = Value; }

    // Every placement back to automatic; repaints.
    void ResetPositions();
    // Forgets every placement and, unless items are being read, every item.
    void Clear();

    // ---- drawing (MarksDraw.cpp)
    // Selects Shape's font on the chart canvas, scaled for a zoomed 3D view
    // whose canvas draws text flat.
    void SelectFont(TVurCustomShape& Shape);
    // The box of Text around the pixel (X, Y), measured in the selected font.
    TSeriesMarkPosition Measure(TVurCustomShape& Shape, const std::string& Text, int X, int Y);
    // Lifts the box and the callout by the callout's length and distance.
    void ApplyArrowLength(TSeriesMarkPosition& Position);
    // Records the computed placement, or takes the custom one in its place.
    void UsePosition(int ValueIndex, TSeriesMarkPosition& Position);
    // Callout, box, symbol and text of one mark, in the selected font.
    void InternalDraw(int ValueIndex, TColor Color, TSeriesMarkPosition& Position, const std::string& Text);
    // Moves Position down or up until its box clears the boxes of First..ValueIndex-1.
    void AntiOverlap(int First, int ValueIndex, TSeriesMarkPosition& Position);
    // The point whose mark is under the pixel, or -1.
    int Clicked(int X, int Y);
    // The widest line of the point's mark text, in the canvas' current font.
    int TextWidth(int ValueIndex);
    // Target moved as Point moves when projected at the marks' depth.
    TPoint ConvertTo2D(const TPoint& Point, const TPoint& Target) const;

protected:
    // Grey, 1 pixel.
    void InitShadow(TVurShadow& Shadow) const override;
    // Silver to white from the right.
    TVurGradientClass GetGradientClass() const override;

private:
    TVurCanvas3D* ChartCanvas() const;
    // A 3D view whose canvas draws text only flat.
    bool FlatTextIn3D() const;
    // The box of a placement as anti-overlap compares it.
    TRect OverlapBox(const TSeriesMarkPosition& Position);
    void DrawText(TVurCustomShape& Shape, const TRect& Box, const std::string& Text);

    TChartSeries* FSeries;
    TSeriesMarksStyle FStyle = smsLabel;
    int FDrawEvery = 1;
    int FAngle = 0;
    bool FClip = false;
    bool FMultiLine = false;
    int FZPosition = 0;
    std::unique_ptr<TMarksCallout> FCallout;
    std::unique_ptr<TSeriesMarksSymbol> FSymbol;
    TSeriesMarksPositions FPositions;
    TMarksItems FItems;
    bool FLoadingItems = false;
};

} // namespace vur
