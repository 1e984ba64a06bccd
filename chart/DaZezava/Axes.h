// TChartAxes: every axis of a chart, in creation order: the six standard
// axes (bottom, top, left, right, depth, depth top) and then the custom axes.
// TChartCustomAxes owns the custom ones. Both belong to TCustomAxisPanel.
#pragma once

#include "chart/DaZezava/Axis.h"
#include "framework/Exceptions.h"

#include <memory>
#include <vector>

namespace vur {

class TCustomAxisPanel;

// Left, top, right, bottom, depth and top depth: the axes every chart has,
// first in the list; any after them are custom axes.
inline constexpr int StandardAxisCount = 6;

class TChartAxes {
public:
    explicit TChartAxes(TCustomAxisPanel* AChart);
    TChartAxes(const TChartAxes&) = delete;
    TChartAxes& operator=(const TChartAxes&) = delete;
    ~TChartAxes();

    // Creates the six standard axes with their per-side defaults.
    void CreateStandardAxes();

    int Count() const { return static_cast<int>(FItems.size()); }
    TChartAxis* Get(int Index) const {
        CheckIndex(Index, Count());
        return FItems[static_cast<std::size_t>(Index)];
    }
    int IndexOf(const TChartAxis* Axis) const;
    TChartAxis* GetBottomAxis() const { return FBottomAxis; }
    TChartAxis* GetTopAxis() const { return FTopAxis; }
    TChartAxis* GetLeftAxis() const { return FLeftAxis; }
    TChartAxis* GetRightAxis() const { return FRightAxis; }
    TChartDepthAxis* GetDepthAxis() const { return FDepthAxis; }
    TChartDepthAxis* GetDepthTopAxis() const { return FDepthTopAxis; }

    // Every axis back to automatic.
    void Reset();
    // The chart's AxisVisible off.
    void Hide();
    bool GetVisible() const;
    void SetVisible(bool Value);
    bool GetBehind() const;
    void SetBehind(bool Value);
    bool GetFastCalc() const { return FFastCalc; }
    // Every axis chooses its mapping again.
    void SetFastCalc(bool Value);
    // Frees every axis, custom ones included.
    void Clear();

    // Called by each axis as it is created and destroyed.
    void Add(TChartAxis* Axis) { FItems.push_back(Axis); }
    void Remove(const TChartAxis* Axis);

private:
    TCustomAxisPanel* FChart;
    std::vector<TChartAxis*> FItems;
    std::vector<std::unique_ptr<TChartAxis>> FStandard;
    TChartAxis* FBottomAxis = nullptr;
    TChartAxis* FTopAxis = nullptr;
    TChartAxis* FLeftAxis = nullptr;
    TChartAxis* FRightAxis = nullptr;
    TChartDepthAxis* FDepthAxis = nullptr;
    TChartDepthAxis* FDepthTopAxis = nullptr;
    bool FFastCalc = false;
};

class TChartCustomAxes {
public:
    explicit TChartCustomAxes(TCustomAxisPanel* AChart) : FChart(AChart) {}
    TChartCustomAxes(const TChartCustomAxes&) = delete;
    TChartCustomAxes& operator=(const TChartCustomAxes&) = delete;
    ~TChartCustomAxes();

    int Count() const { return static_cast<int>(FItems.size()); }
    TChartAxis* Get(int Index) const {
        CheckIndex(Index, Count());
        return FItems[static_cast<std::size_t>(Index)].get();
    }
    // A new vertical custom axis, owned here.
    TChartAxis* Add();
    void Delete(int Index);
    void Clear();
    // Every custom axis whose master is Axis takes Axis' minimum and maximum.
    void ResetScales(const TChartAxis* Axis);

private:
    TCustomAxisPanel* FChart;
    std::vector<std::unique_ptr<TChartAxis>> FItems;
};

} // namespace vur
