// TVurFunction: a calculation attached to a series (its parent series, which
// owns it) that computes the series' points from the series' sources.
//
// A function says how many points it computes from its sources
// (CalculatedCount) and computes any one of them (Calculate). Point k may
// depend on the sources' points 0..k+n for a fixed n, so that a point appended
// at the end of a source changes no point computed before: the series then
// only adds the points that became computable. A function whose earlier
// points depend on later source points overrides AddedValue with ReCalculate.
#pragma once

#include "framework/Classes.h"

#include <span>
#include <string>
#include <vector>

namespace vur {

class TChartSeries;

class TVurFunction : public TComponent {
public:
    explicit TVurFunction(TComponent* AOwner) : TComponent(AOwner) {}

    std::string ClassName() const override { return "TVurFunction"; }

    TChartSeries* GetParentSeries() const { return FParentSeries; }
    // Set by the series' SetFunction.
    void SetParentSeries(TChartSeries* Value) { FParentSeries = Value; }
    // Stored inside its series; the reader attaches it there.
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* Value) override;

    // Clears the parent series and computes every point again, in one update;
    // nothing while the series is being read (its sources are not all known yet).
    void ReCalculate();
    // Source gained point ValueIndex: at the source's end, only the newly
    // computable points are added; anywhere else everything is recalculated.
    virtual void AddedValue(TChartSeries* Source, int ValueIndex);
    // The parent series was cleared.
    virtual void Clear() {}
    // Whether the parent series may take Value as a source.
    virtual bool IsValidSource(const TChartSeries* Value) const { return Value != FParentSeries; }

protected:
    using TSources = std::span<TChartSeries* const>;
    // How many points the sources give (the series that are sources of the parent, in order).
    virtual int CalculatedCount(TSources Sources) const = 0;
    // Point Index, 0 <= Index < CalculatedCount: its position and value.
    virtual void Calculate(TSources Sources, int Index, double& Position, double& Value) const = 0;
    // The fewest points any of the sources has (0 without sources).
    static int CommonCount(TSources Sources);

private:
    // The parent's series sources, kept in a reused list.
    TSources CollectSources();
    // Adds points From..CalculatedCount-1 to the parent series.
    void AddPoints(TSources Sources, int From);

    TChartSeries* FParentSeries = nullptr;
    std::vector<TChartSeries*> FSources;
};

} // namespace vur
