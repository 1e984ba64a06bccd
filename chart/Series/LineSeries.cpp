#include "chart/Series/LineSeries.h"

#include "chart/DaZezava/AxisPanel.h"

#include <algorithm>

namespace vur {

TCustomSeries::TCustomSeries(TComponent* AOwner)
    : TCustomLineSeries(AOwner), FPointer(std::make_unique<TSeriesPointer>(this)),
      FOutLine(std::make_unique<TChartHiddenPen>([this](TPersistent* Sender) { CanvasChanged(Sender); })),
      FShadow(std::make_unique<TVurShadow>([this](TPersistent* Sender) { CanvasChanged(Sender); })) {
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

double TCustomSeries::MinXValue() const {
    if (GetYMandatory() || FStacked == cssNone || FStacked == cssOverlap)
        return TCustomLineSeries::MinXValue();
    return FStacked == cssStack100 ? 0.0 : FStackedPoints.Extent(false);
}

double TCustomSeries::MaxXValue() const {
    if (GetYMandatory() || FStacked == cssNone || FStacked == cssOverlap)
        return TCustomLineSeries::MaxXValue();
    return FStacked == cssStack100 ? 100.0 : FStackedPoints.Extent(true);
}

double TCustomSeries::MinYValue() const {
    if (!GetYMandatory() || FStacked == cssNone || FStacked == cssOverlap)
        return TCustomLineSeries::MinYValue();
    return FStacked == cssStack100 ? 0.0 : FStackedPoints.Extent(false);
}

double TCustomSeries::MaxYValue() const {
    if (!GetYMandatory() || FStacked == cssNone || FStacked == cssOverlap)
        return TCustomLineSeries::MaxYValue();
    return FStacked == cssStack100 ? 100.0 : FStackedPoints.Extent(true);
}

TLineSeries::TLineSeries(TComponent* AOwner) : TCustomSeries(AOwner) { GetPointer()->SetVisible(false); }

} // namespace vur
