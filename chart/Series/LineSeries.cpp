#include "chart/Series/LineSeries.h"

#include "chart/DaZezava/AxisPanel.h"

#include <algorithm>

namespace vur {

TCustomSeries::TCustomSeries(TComponent* AOwner)
    : TCustomLineSeries(AOwner), FPointer(std::make_unique<TSeriesPointer>(this)),
      FOutLine(std::make_unique<TChartHiddenPen>([this](TPersistent* Sender) { CanvasChanged(Sender); })),
      FShadow(std::make_unique<TVurShadow>([this](TPersistent* Sender) { CanvasChanged(Sender); })),
      FDrawPen(GetLinePen()) {
    SetKeepPointPastEnd(true);
}

TCustomSeries::~TCustomSeries() = default;

void TCustomSeries::SetStacked(TCustomSeriesStack Value) {
    if (FStacked == Value) return;
    FStacked = Value;
    Repaint();
}

void TCustomSeries::SetLineBrush(TBrushStyle Value) {
    if (FLineBrush == Value) return;
    FLineBrush = Value;
    Repaint();
}

double TCustomSeries::StackedExtent(bool Maximum) const {
    const TChartValueList* Values = GetMandatoryValueList();
    double Result = Maximum ? Values->GetMaxValue() : Values->GetMinValue();
    // The series stacked under this one: earlier in the chart's list, active, of one class.
    std::vector<const TChartValueList*> Below;
    if (const TCustomAxisPanel* Chart = GetParentChart()) {
        for (int Index = 0; Index < Chart->SeriesCount(); ++Index) {
            const TChartSeries* Other = Chart->GetSeries(Index);
            if (Other == this) break;
            if (Other->GetActive() && SameClass(Other)) Below.push_back(Other->GetMandatoryValueList());
        }
    }
    for (int Point = 0; Point < Count(); ++Point) {
        const double Value = Values->GetValue(Point);
        double Origin = 0.0;
        for (const TChartValueList* Other : Below) {
            if (Point >= Other->GetCount()) continue;
            const double OtherValue = Other->GetValue(Point);
            if (Value >= 0 ? OtherValue > 0 : OtherValue < 0) Origin += OtherValue;
        }
        Result = Maximum ? std::max(Result, Origin + Value) : std::min(Result, Origin + Value);
    }
    return Result;
}

double TCustomSeries::MinXValue() const {
    if (GetYMandatory() || FStacked == cssNone || FStacked == cssOverlap)
        return TCustomLineSeries::MinXValue();
    return FStacked == cssStack100 ? 0.0 : StackedExtent(false);
}

double TCustomSeries::MaxXValue() const {
    if (GetYMandatory() || FStacked == cssNone || FStacked == cssOverlap)
        return TCustomLineSeries::MaxXValue();
    return FStacked == cssStack100 ? 100.0 : StackedExtent(true);
}

double TCustomSeries::MinYValue() const {
    if (!GetYMandatory() || FStacked == cssNone || FStacked == cssOverlap)
        return TCustomLineSeries::MinYValue();
    return FStacked == cssStack100 ? 0.0 : StackedExtent(false);
}

double TCustomSeries::MaxYValue() const {
    if (!GetYMandatory() || FStacked == cssNone || FStacked == cssOverlap)
        return TCustomLineSeries::MaxYValue();
    return FStacked == cssStack100 ? 100.0 : StackedExtent(true);
}

TLineSeries::TLineSeries(TComponent* AOwner) : TCustomSeries(AOwner) { GetPointer()->SetVisible(false); }

} // namespace vur
