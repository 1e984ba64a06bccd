// The markers of a line series and its legend symbol: each point's marker
// in the point's colour and style, and the symbol, a line in the series'
// pen with the marker on it.
#include "chart/DaZezava/AxisPanel.h"
#include "chart/Series/LineSeries.h"

namespace vur {

TSeriesPointerStyle TCustomSeries::GetPointerStyle(int ValueIndex) {
    return OnGetPointerStyle ? OnGetPointerStyle(this, ValueIndex) : FPointer->GetStyle();
}

void TCustomSeries::DrawPointer(int ValueIndex, int X, int Y, TColor Color) {
    TCustomAxisPanel* Chart = GetParentChart();
    TCanvas3D* Canvas = Chart->GetCanvas();
    FPointer->PrepareCanvas(Canvas, Color);
    FPointer->DrawPointer(Canvas, Chart->GetView3D(), X, Y, FPointer->GetHorizSize(), FPointer->GetVertSize(),
                          Color, GetPointerStyle(ValueIndex));
}

TBrushStyle TCustomSeries::PrepareLegendCanvas(int, TColor Color) {
    GetParentChart()->GetCanvas()->AssignVisiblePenColor(GetLinePen(), Color);
    return FLineBrush;
}

void TCustomSeries::DrawLegendShape(int ValueIndex, const TRect& Rect) {
    TCustomAxisPanel* Chart = GetParentChart();
    TCanvas3D* Canvas = Chart->GetCanvas();
    const bool WithLine = GetLinePen()->GetVisible();
    if (Chart->GetView3D()) {
        TCustomLineSeries::DrawLegendShape(ValueIndex, Rect);
    } else if (WithLine) {
        const int Y = (Rect.Top + Rect.Bottom) / 2;
        Canvas->Line(Rect.Left, Y, Rect.Right, Y);
    }
    if (FPointer->GetVisible())
        FPointer->DrawLegendShape(Canvas, LegendSymbolColor(ValueIndex), Rect, WithLine,
                                  ValueIndex == -1 ? FPointer->GetStyle()
                                                   : GetPointerStyle(LegendToValueIndex(ValueIndex)));
}

} // namespace vur
