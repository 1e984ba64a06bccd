// A line-style series lifts its marks above the points by the callout's
// length and draws them at its front depth.
#include "chart/Series/LineSeries.h"

namespace vur {

void TCustomSeries::DrawMark(int ValueIndex, const std::string& Text, TSeriesMarkPosition& Position) {
    TSeriesMarks* Marks = GetMarks();
    Marks->SetZPosition(GetStartZ());
    if (GetYMandatory()) Marks->ApplyArrowLength(Position);
    TChartSeries::DrawMark(ValueIndex, Text, Position);
}

} // namespace vur
