// The legend's layout in a paint: which items it shows, how high a row and
// how wide the text block and the symbol are, how many rows and columns fit
// beside the plot (left, right) or above or below it (top, bottom), where
// the box goes, and the room it then takes from ChartRect.
#include "chart/Chart/Chart.h"
#include "chart/Chart/Legend.h"
#include "chart/HtmlText.h"
#include "platform/numeric/Rounding.h"

#include <algorithm>
#include <cstdlib>

namespace vur {

namespace {

// A horizontal legend keeps this much room per item and at the sides when
// it works out how many columns fit.
constexpr int ColumnFitRoom = 8, ColumnFitRoomWithCheckBoxes = 35, SideRoom = 8;
// Its box is as wide as its columns and BoxWidthRoom more; with check boxes
// each column adds CheckBoxWidthPerItem and the box CheckBoxWidthRoom once.
constexpr int BoxWidthRoom = 10, CheckBoxWidthPerItem = 13, CheckBoxWidthRoom = 8;
// Without a set margin the plot keeps this share of the chart from the legend.
constexpr int DefaultHorizMarginPercent = 3, DefaultVertMarginPercent = 4;

int CeilDiv(int A, int B) { return (A + B - 1) / B; }

} // namespace

void TCustomChartLegend::DrawLegend() {
    TCustomChart* C = Chart();
    if (C == nullptr) return;
    TVurCanvas3D* Canvas = C->GetCanvas();
    FLayout = TLegendLayout{};
    FLayout.Style = CalcLegendStyle();
    FLayout.CheckBoxes = HasCheckBoxes();
    FLayout.FrameWidth = FrameWidthForLayout();
    if (FLayout.CheckBoxes && FCheckBoxesStyle == cbsRadio) KeepOneActive();
    CalcItems();
    FLayout.TitleShown = FTitle->Shown();
    if (FLayout.TitleShown) {
        Canvas->AssignFont(FTitle->GetFont());
        FLayout.TitleHeight = FTitle->CalcHeight() + LegendBoxInset;
        if (!FTitle->GetTransparent()) FLayout.TitleHeight += std::abs(FTitle->GetShadow()->GetVertSize());
        FLayout.TitleWidth = FTitle->CalcTotalWidth();
    }
    Canvas->AssignFont(GetFont());
    CalcMeasures();
    TRect Bounds = GetShapeBounds();
    if (GetVertical()) {
        if (!GetCustomPosition())
            Bounds.Top = C->GetChartBounds().Top +
                         Round(FTopPos * (C->GetChartBounds().Bottom - C->GetChartBounds().Top) / 100.0);
        FLayout.FirstItemTop = Bounds.Top + FLayout.TitleHeight;
        CalcVerticalBounds(Bounds);
    } else {
        CalcHorizontalBounds(Bounds);
    }
    // Height: the rows and the title.
    const int Height = FLayout.ItemHeight * FLayout.NumRows + 2 * LegendRowMargin + FLayout.TitleHeight;
    if (FAlignment == laBottom && !GetCustomPosition())
        Bounds.Top = Bounds.Bottom - Height;
    else
        Bounds.Bottom = Bounds.Top + Height;
    FLayout.FirstItemTop = Bounds.Top + FLayout.TitleHeight;
    SetShapeBounds(Bounds);
    // No room for one row or column: nothing drawn, the plot keeps its room.
    if (FLayout.LastValue < FLayout.FirstValue) {
        FLayout.NumRows = 0;
        return;
    }
    DrawItems();
    if (FResizeChart && !GetCustomPosition()) ResizeChartRect();
    C->ReCalcWidthHeight();
}

void TCustomChartLegend::KeepOneActive() const {
    bool Kept = false;
    for (int I = 0; TChartSeries* Series = SeriesOfItem(I); ++I) {
        if (!Series->GetActive()) continue;
        if (Kept) Series->SetActive(false);
        Kept = true;
    }
}

void TCustomChartLegend::CalcItems() {
    const TCustomChart* C = Chart();
    TLegendLayout& L = FLayout;
    L.FirstValue = FFirstValue;
    const int PerPage = C->GetMaxPointsPerPage();
    if (PerPage > 0) L.FirstValue = L.Style == lsValues && FCurrentPage ? (C->GetPage() - 1) * PerPage : 0;
    int Items = 0;
    if (L.Style == lsValues) {
        const TChartSeries* Series = GetLegendSeries();
        if (Series != nullptr && Series->GetShowInLegend()) Items = Series->CountLegendItems();
    } else {
        while (SeriesOfItem(Items) != nullptr) ++Items;
    }
    L.TotalItems = std::max(0, Items - L.FirstValue);
    if (PerPage > 0) L.TotalItems = std::min(L.TotalItems, PerPage);
}

void TCustomChartLegend::CalcMeasures() {
    TVurCanvas3D* Canvas = Chart()->GetCanvas();
    TLegendLayout& L = FLayout;
    L.SpaceWidth = Canvas->TextWidth(" ");
    int FontHeight = Canvas->GetFontHeight();
    if (L.CheckBoxes) FontHeight = std::max(FontHeight, LegendCheckBoxRowHeight);
    L.ItemHeight = FontHeight + FVertSpacing;
    if (GetVertical() && FDividingLines->GetVisible()) L.ItemHeight += FDividingLines->GetWidth();
}

namespace {

// The widths of an item's two text columns.
std::array<int, 2> ColumnWidthsOf(TVurCanvas3D& Canvas, const std::string& Text, bool Html) {
    std::array<int, 2> Widths{};
    const std::size_t Split = Text.find(VurColumnSeparator);
    const std::string Parts[2] = {Text.substr(0, Split),
                                  Split == std::string::npos ? std::string() : Text.substr(Split + 1)};
    for (std::size_t I = 0; I < 2; ++I) {
        if (Parts[I].empty()) continue;
        Widths[I] = Html ? HtmlTextExtent(Canvas, Parts[I]).X : Canvas.TextWidth(Parts[I]);
    }
    return Widths;
}

} // namespace

void TCustomChartLegend::MeasureText(int First, int Last) {
    TVurCanvas3D* Canvas = Chart()->GetCanvas();
    TLegendLayout& L = FLayout;
    L.ColumnWidths = {};
    for (int I = First; I <= Last; ++I) {
        const std::array<int, 2> W = ColumnWidthsOf(*Canvas, FormattedLegend(I), GetTextFormat() == ttfHtml);
        L.ColumnWidths[0] = std::max(L.ColumnWidths[0], W[0]);
        L.ColumnWidths[1] = std::max(L.ColumnWidths[1], W[1]);
    }
    L.TextBlockWidth = L.ColumnWidths[0] + L.ColumnWidths[1] + 2 * L.SpaceWidth - 1;
}

void TCustomChartLegend::CalcVerticalBounds(TRect& Bounds) {
    const TCustomChart* C = Chart();
    TLegendLayout& L = FLayout;
    const TRect& Plot = C->GetChartRect();
    L.NumCols = 1;
    L.NumRows =
        L.FirstItemTop >= Plot.Bottom
            ? 0
            : std::clamp((Plot.Bottom - 2 * L.FrameWidth - L.FirstItemTop) / L.ItemHeight, 0, L.TotalItems);
    L.LastValue = std::min(L.TotalItems, L.NumRows) + L.FirstValue - 1;
    MeasureText(L.FirstValue, L.LastValue);
    int Width = L.TextBlockWidth + LegendItemIndent + LegendSymbolTextGap;
    L.SymbolWidth = FSymbol->CalcWidth(Width, L.ItemHeight);
    Width += L.SymbolWidth;
    if (L.TitleShown) Width = std::max(Width, L.TitleWidth);
    if (FAlignment == laRight && !GetCustomPosition()) {
        Bounds.Right = Plot.Right - GetShadow()->GetHorizSize() - L.FrameWidth - 1;
        Bounds.Left = Bounds.Right - Width - (L.CheckBoxes ? LegendCheckBoxColumn : 0);
    } else if (!GetCustomPosition()) {
        Bounds.Left = Plot.Left + L.FrameWidth + 1;
    }
    L.XItems = Bounds.Left + (L.CheckBoxes ? LegendCheckBoxColumn : 0);
    Bounds.Right = L.XItems + Width;
}

void TCustomChartLegend::CalcHorizontalBounds(TRect& Bounds) {
    const TCustomChart* C = Chart();
    TLegendLayout& L = FLayout;
    const TRect& Plot = C->GetChartRect();
    L.LastValue = L.FirstValue + L.TotalItems - 1;
    MeasureText(L.FirstValue, L.LastValue);
    L.SymbolWidth = FSymbol->CalcWidth(L.TextBlockWidth, L.ItemHeight);
    if (!GetCustomPosition()) {
        if (FAlignment == laBottom)
            Bounds.Bottom = Plot.Bottom - (C->GetShadow()->GetVertSize() + L.FrameWidth + 1);
        else
            Bounds.Top = Plot.Top + L.FrameWidth + 1;
    }
    const int ItemWidth =
        L.TextBlockWidth + L.SymbolWidth + (L.CheckBoxes ? ColumnFitRoomWithCheckBoxes : ColumnFitRoom);
    L.NumCols =
        SideRoom >= Plot.Right
            ? 0
            : std::clamp((C->GetChartWidth() - 2 * L.FrameWidth - SideRoom) / ItemWidth, 0, L.TotalItems);
    // Never more rows than the plot's height holds, however many items there are.
    const int RowsThatFit = std::max(
        0, (Plot.Bottom - Plot.Top - 2 * L.FrameWidth - 2 * LegendRowMargin - L.TitleHeight) / L.ItemHeight);
    L.NumRows = L.NumCols < 1 ? 0 : std::min({CeilDiv(L.TotalItems, L.NumCols), FMaxNumRows, RowsThatFit});
    L.LastValue = std::min(L.TotalItems, L.NumCols * L.NumRows) + L.FirstValue - 1;
    int Total = L.NumCols * (L.TextBlockWidth + L.SymbolWidth + LegendItemIndent) + BoxWidthRoom;
    if (L.CheckBoxes) Total += CheckBoxWidthPerItem * L.NumCols + CheckBoxWidthRoom;
    const int Half = std::min(C->GetChartWidth(), Total) / 2;
    if (!GetCustomPosition()) {
        const TRect& ChartBounds = C->GetChartBounds();
        Bounds.Left = Round(FTopPos * (ChartBounds.Right - ChartBounds.Left - 2 * Half) / 100.0) +
                      C->GetChartXCenter() - Half;
    }
    Bounds.Right = Bounds.Left + 2 * Half;
    L.XItems = Bounds.Left + (L.CheckBoxes ? LegendCheckBoxColumn : 0);
}

void TCustomChartLegend::ResizeChartRect() const {
    TCustomChart* C = Chart();
    TRect Plot = C->GetChartRect();
    const TRect& B = GetShapeBounds();
    if (GetVertical()) {
        const int Margin =
            FHorizMargin != 0 ? FHorizMargin : DefaultHorizMarginPercent * C->GetChartWidth() / 100;
        if (FAlignment == laLeft)
            Plot.Left = B.Right + Margin;
        else
            Plot.Right = B.Left - Margin;
    } else {
        const int Margin =
            FVertMargin != 0 ? FVertMargin : DefaultVertMarginPercent * C->GetChartHeight() / 100;
        if (FAlignment == laTop)
            Plot.Top = B.Bottom + C->GetShadow()->GetVertSize() + Margin;
        else
            Plot.Bottom = B.Top - Margin;
    }
    C->SetChartRect(Plot);
}

} // namespace vur
