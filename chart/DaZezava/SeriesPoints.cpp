#include "chart/DaZezava/SeriesPoints.h"

#include "chart/DaZezava/Series.h"

#include <array>

namespace vur {

double TSeriesPoints::Value(bool AsX, int Index) const {
    std::array<double, 1> Scratch{};
    return Values(AsX, Index, 1, Scratch)[0];
}

std::span<const double> TValuePoints::Values(bool AsX, int From, int Count, std::span<double> Scratch) const {
    const TChartValueList* List = AsX ? FSeries.GetXValues() : FSeries.GetYValues();
    // A run inside one block of the list is handed out as it is stored.
    const std::span<const double> Block = List->BlockOf(From);
    const auto Offset = static_cast<std::size_t>(From % TChartValueList::CapacityStep);
    const auto Length = static_cast<std::size_t>(Count);
    if (Offset + Length <= Block.size()) return Block.subspan(Offset, Length);
    for (std::size_t I = 0; I < Length; ++I) Scratch[I] = List->GetValue(From + static_cast<int>(I));
    return Scratch.first(Length);
}

TColor TValuePoints::Colour(int Index, TColor Automatic) const {
    return FSeries.PointColor(Index, Automatic);
}

bool TValuePoints::Uniform() const {
    // A value that is not a finite number is a gap.
    return FSeries.GetColorList() == nullptr && !FSeries.GetColorEachPoint() &&
           FSeries.GetMandatoryValueList()->NonFiniteCount() == 0;
}

} // namespace vur
