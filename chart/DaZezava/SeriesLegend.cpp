// The series' side of a legend: how many items it gives, the text of each
// (value, percent and X texts with the point's label) and its symbol.
#include "chart/DaZezava/AxisPanel.h"
#include "chart/DaZezava/Series.h"
#include "format/DateTimePattern.h"

namespace vur {

std::string TChartSeries::LegendString(int LegendIndex, TLegendTextStyle TextStyle) const {
    const int ValueIndex = LegendToValueIndex(LegendIndex);
    const std::string Label = GetXLabel(ValueIndex);
    if (TextStyle == ltsPlain) return Label;
    const double Value = GetMarkValue(ValueIndex);
    const auto ValueText = [&] {
        // The value itself is the span, so values above one day show their date.
        if (FMandatoryValueList->GetDateTime())
            return FormatDateTimeText(DateTimeDefaultFormat(Value), Value);
        return FormatValueText(Value);
    };
    const auto PercentText = [&] {
        const double Total = FMandatoryValueList->GetTotalABS();
        return FormatPercentText(Total == 0 ? 100.0 : Value * 100.0 / Total);
    };
    const auto XText = [&] {
        const double X = GetxValue(ValueIndex);
        return FHorizontalAxis != nullptr ? FHorizontalAxis->LabelValue(X) : FormatValueText(X);
    };
    const std::string Separator(1, VurColumnSeparator);
    // The text and, when the point has a label, the label beside it.
    const auto WithLabel = [&](const std::string& Text, bool LabelFirst) {
        if (Label.empty()) return Text;
        return LabelFirst ? Label + Separator + Text : Text + Separator + Label;
    };
    switch (TextStyle) {
    case ltsLeftValue:
        return WithLabel(ValueText(), false);
    case ltsRightValue:
        return WithLabel(ValueText(), true);
    case ltsLeftPercent:
        return WithLabel(PercentText(), false);
    case ltsRightPercent:
        return WithLabel(PercentText(), true);
    case ltsXValue:
        return XText();
    case ltsValue:
        return ValueText();
    case ltsPercent:
        return PercentText();
    case ltsXAndValue:
        return XText() + Separator + ValueText();
    case ltsXAndPercent:
        return XText() + Separator + PercentText();
    case ltsPlain:
        break;
    }
    return Label;
}

void TChartSeries::DrawLegend(int ValueIndex, const TRect& Rect) {
    TCustomAxisPanel* Chart = GetParentChart();
    // A series of many colours has no one symbol.
    if (Chart == nullptr || (ValueIndex == -1 && GetColorEachPoint())) return;
    const TAutoRepaintHold Hold(*Chart);
    const TColor Color = LegendSymbolColor(ValueIndex);
    if (Color == clNone) return;
    TVurCanvas3D* Canvas = Chart->GetCanvas();
    const TBrushStyle Style = PrepareLegendCanvas(ValueIndex, Color);
    if (const TChartPen* SymbolPen = Chart->GetLegendSymbolPen()) Canvas->AssignVisiblePen(SymbolPen);
    const TChartBrush* Brush = GetBrush();
    if (Brush->GetStyle() == Style || Brush->GetImageGraphic() != nullptr) {
        Canvas->AssignBrushColor(Brush, Color, Chart->GetLegendBackColor());
    } else {
        // The style the series asked for, on a copy: the series' own brush stays as it is.
        TChartBrush Symbol;
        Symbol.Assign(Brush);
        Symbol.SetStyle(Style);
        Canvas->AssignBrushColor(&Symbol, Color, Chart->GetLegendBackColor());
    }
    DrawLegendShape(ValueIndex, Rect);
}

TBrushStyle TChartSeries::PrepareLegendCanvas(int, TColor) {
    GetParentChart()->GetCanvas()->AssignVisiblePen(GetPen());
    return GetBrush()->GetStyle();
}

void TChartSeries::DrawLegendShape(int, const TRect& Rect) { GetParentChart()->DrawLegendShape(Rect); }

} // namespace vur
