#include "chart/Chart/Chart.h"

#include "chart/Chart/Palettes.h"

namespace vur {

TCustomChart::TCustomChart(TComponent* AOwner)
    : TCustomAxisPanel(AOwner), FBackWall(std::make_unique<TChartBackWall>(this)) {}

TCustomChart::~TCustomChart() = default;

bool TCustomChart::IsFreeSeriesColor(TColor Color, bool CheckBackground, const TChartSeries* Series) const {
    for (int Index = 0; Index < SeriesCount(); ++Index) {
        const TChartSeries* Other = GetSeries(Index);
        if (Other != Series && Other->GetSeriesColor() == Color) return false;
    }
    return !CheckBackground || (Color != GetColor() && Color != FBackWall->GetColor());
}

void TCustomChart::ReadColorPaletteIndex(int Value) {
    FColorPaletteIndex = Value;
    if (Value >= 1) ColorPalettes().ApplyPalette(this, Value);
}

} // namespace vur
