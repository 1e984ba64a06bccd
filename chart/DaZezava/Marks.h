// TSeriesMarks: the value marks of a series, their remembered placements and
// their per-point overrides. Text building and drawing come with the canvas;
// the lists here follow the series' points when they are deleted or cleared.
#pragma once

#include "chart/DaZezava/Callout.h"
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

// A per-point override of one mark; Text, when not empty, replaces the
// computed text.
class TMarksItem : public TPersistent {
public:
    std::string ClassName() const override { return "TMarksItem"; }
    std::vector<std::string> Text;
};

class TMarksItems {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    // Creates the item on first access.
    TMarksItem* Get(int Index);
    // The item of the point, or none.
    TMarksItem* Find(int Index) const;
    void Delete(int Index);
    void Clear() { FItems.clear(); }

private:
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

private:
    int FLength = 8;
};

class TSeriesMarks : public TPersistent {
public:
    explicit TSeriesMarks(TChartSeries* AOwner);
    ~TSeriesMarks() override;

    std::string ClassName() const override { return "TSeriesMarks"; }

    bool GetVisible() const { return FVisible; }
    void SetVisible(bool Value);
    TSeriesMarksStyle GetStyle() const { return FStyle; }
    void SetStyle(TSeriesMarksStyle Value);
    // Created on first use.
    TMarksCallout* GetCallout();
    TChartSeries* GetSeries() const { return FSeries; }
    TCustomAxisPanel* GetParentChart() const { return FParentChart; }
    void SetParentChart(TCustomAxisPanel* Value) { FParentChart = Value; }

    TSeriesMarksPositions& Positions() { return FPositions; }
    TMarksItems& Items() { return FItems; }
    // The point's own item, if it has one.
    TMarksItem* MarkItem(int ValueIndex) const { return FItems.Find(ValueIndex); }

    // Forgets every placement and item (the items stay while they are being read).
    void Clear();
    // Set while the stored items are read.
    bool GetLoadingItems() const { return FLoadingItems; }
    void SetLoadingItems(bool Value) { FLoadingItems = Value; }

private:
    void Repaint();

    TChartSeries* FSeries;
    TCustomAxisPanel* FParentChart = nullptr;
    bool FVisible = false;
    TSeriesMarksStyle FStyle = smsLabel;
    std::unique_ptr<TMarksCallout> FCallout;
    TSeriesMarksPositions FPositions;
    TMarksItems FItems;
    bool FLoadingItems = false;
};

} // namespace vur
