// The ordered list of a chart's series (it does not own them) and the named
// groups they can be gathered in. The list order is the order of drawing, of
// legend entries and of stacking.
#pragma once

#include "framework/Exceptions.h"

#include <memory>
#include <string>
#include <vector>

namespace vur {

class TChartSeries;

class TCustomSeriesList {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    // Indexes outside 0..Count-1 raise EAssertionFailed.
    TChartSeries* Get(int Index) const {
        CheckIndex(Index, Count());
        return FItems[static_cast<std::size_t>(Index)];
    }
    void Put(int Index, TChartSeries* Series) {
        CheckIndex(Index, Count());
        FItems[static_cast<std::size_t>(Index)] = Series;
    }
    int IndexOf(const TChartSeries* Series) const;
    // Clears the points of every series.
    void ClearValues() const;
    // Gives every series Count sample values (0: as many as its type asks for).
    void FillSampleValues(int Count = 0) const;

    void Add(TChartSeries* Series) { FItems.push_back(Series); }
    void Delete(int Index) {
        CheckIndex(Index, Count());
        FItems.erase(FItems.begin() + Index);
    }
    void Exchange(int Index1, int Index2);

private:
    std::vector<TChartSeries*> FItems;
};

// A named subset of a chart's series.
class TSeriesGroup {
public:
    explicit TSeriesGroup(std::string AName) : Name(std::move(AName)) {}
    std::string Name;
    TCustomSeriesList Series;
};

class TChartSeriesList : public TCustomSeriesList {
public:
    int GroupCount() const { return static_cast<int>(FGroups.size()); }
    TSeriesGroup* Group(int Index) const { return FGroups[static_cast<std::size_t>(Index)].get(); }
    TSeriesGroup* AddGroup(const std::string& Name);
    // Takes the series out of every group.
    void RemoveFromGroups(const TChartSeries* Series);

    // True when every series is active (also for no series).
    bool GetAllActive() const;
    void SetAllActive(bool Value) const;

private:
    std::vector<std::unique_ptr<TSeriesGroup>> FGroups;
};

} // namespace vur
