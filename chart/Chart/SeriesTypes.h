// TVurSeriesTypes: the registry of series classes a gallery offers, each with
// its description, gallery page and number of gallery series.
#pragma once

#include "chart/DaZezava/Series.h"

#include <string>
#include <vector>

namespace vur {

struct TVurSeriesType {
    const TChartSeriesClass* SeriesClass;
    std::string Description;
    std::string GalleryPage;
    int NumGallerySeries;
};

class TVurSeriesTypes {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    const TVurSeriesType& Get(int Index) const { return FItems[static_cast<std::size_t>(Index)]; }
    // Also registers the class with the framework's class registry.
    void Register(const TChartSeriesClass* SeriesClass, const std::string& Description,
                  const std::string& GalleryPage, int NumGallerySeries = 1);
    // The entry of that class, or none.
    const TVurSeriesType* Find(const TChartSeriesClass* SeriesClass) const;
    void Clear() { FItems.clear(); }

private:
    std::vector<TVurSeriesType> FItems;
};

// The process-wide registry, holding the built-in series classes from the start.
TVurSeriesTypes& VurSeriesTypes();
// Returns it to only the built-in series classes.
void ResetVurSeriesTypes();

} // namespace vur
