#include "chart/Chart/SeriesTypes.h"

#include "chart/Series/LineSeries.h"
#include "framework/Published.h"

namespace vur {

void TVurSeriesTypes::Register(const TChartSeriesClass* SeriesClass, const std::string& Description,
                               const std::string& GalleryPage, int NumGallerySeries) {
    FItems.push_back(TVurSeriesType{SeriesClass, Description, GalleryPage, NumGallerySeries});
    // Stored forms can then make it by name.
    RegisterClass(SeriesClass->Name);
}

const TVurSeriesType* TVurSeriesTypes::Find(const TChartSeriesClass* SeriesClass) const {
    for (const TVurSeriesType& Item : FItems)
        if (Item.SeriesClass == SeriesClass) return &Item;
    return nullptr;
}

namespace {
void RegisterBuiltIn(TVurSeriesTypes& Types) {
    Types.Register(SeriesClassOf<TLineSeries>(), "Line", "Standard");
}
} // namespace

TVurSeriesTypes& VurSeriesTypes() {
    static TVurSeriesTypes Types = [] {
        TVurSeriesTypes Initial;
        RegisterBuiltIn(Initial);
        return Initial;
    }();
    return Types;
}

void ResetVurSeriesTypes() {
    TVurSeriesTypes& Types = VurSeriesTypes();
    Types.Clear();
    RegisterBuiltIn(Types);
}

} // namespace vur
