// The series' side of a chart paint: depth slots, the order its points are
// visited in, and the events around the drawing of its values.
#include "chart/DaZezava/AxisPanel.h"
#include "chart/DaZezava/Series.h"

#include <algorithm>

namespace vur {

void TChartSeries::CalcZOrder() {
    TCustomAxisPanel* Chart = FParentChart;
    if (FZOrder != -1) {
        FCalcZOrder = FZOrder;
        Chart->SetMaxZOrder(std::max(Chart->GetMaxZOrder(), FZOrder));
    } else if (Chart->GetView3D()) {
        Chart->SetMaxZOrder(Chart->GetMaxZOrder() + 1);
        FCalcZOrder = Chart->GetMaxZOrder();
    } else {
        FCalcZOrder = 0;
    }
}

void TChartSeries::CalcDepthPositions() {
    const int SlotWidth = FParentChart->GetSeriesWidth3D();
    FStartZ = FSeriesDepthSlot * SlotWidth;
    FEndZ = FStartZ + (FDepth >= 0 ? FDepth : SlotWidth);
}

void TChartSeries::DoBeforeDrawValues() {
    if (BeforeDrawValues) BeforeDrawValues(this);
}

void TChartSeries::DoAfterDrawValues() {
    if (AfterDrawValues) AfterDrawValues(this);
}

void TChartSeries::DrawAllValues() {
    if (FFirstVisibleIndex < 0) return;
    if (DrawValuesForward()) {
        for (int Index = FFirstVisibleIndex; Index <= FLastVisibleIndex; ++Index) DrawValue(Index);
    } else {
        for (int Index = FLastVisibleIndex; Index >= FFirstVisibleIndex; --Index) DrawValue(Index);
    }
}

bool TChartSeries::MoreSameZOrder() const {
    for (int Index = 0; Index < FParentChart->SeriesCount(); ++Index) {
        const TChartSeries* Other = FParentChart->GetSeries(Index);
        if (Other != this && Other->GetActive() && Other->FCalcZOrder == FCalcZOrder) return true;
    }
    return false;
}

bool TChartSeries::DrawValuesForward() const {
    if (!GetYMandatory()) return !FVerticalAxis->GetInverted();
    return FHorizontalAxis->GetInverted() == FParentChart->GetInvertedRotation();
}

bool TChartSeries::DrawSeriesForward() const { return !FParentChart->GetInvertedRotation(); }

} // namespace vur
