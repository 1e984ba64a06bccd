// Drawing the laid-out legend: the box and its title, then per item its
// text columns, its check box and symbol, and the line dividing it from the
// item before. The plain symbol (a box in the item's colour) is here too.
#include "chart/Chart/Chart.h"
#include "chart/Chart/Legend.h"
#include "chart/HtmlText.h"
#include "chart/RoVedure/CheckBox.h"

#include <algorithm>

namespace vur {

namespace {

// Beside a check box the text stands one pixel lower.
constexpr int CheckBoxTextDrop = 1;
// A horizontal legend's dividing line stands this far into the indent of the item after it.
constexpr int DividingLineIndent = 2;

// Column 0 or 1 of a value item is right-aligned under these text styles.
bool RightAligned(TLegendTextStyle Style, int Column) {
    if (Column == 0)
        return Style == ltsLeftValue || Style == ltsLeftPercent || Style == ltsXValue || Style == ltsValue ||
               Style == ltsPercent || Style == ltsXAndValue || Style == ltsXAndPercent;
    return Style == ltsRightValue || Style == ltsRightPercent || Style == ltsXAndValue ||
           Style == ltsXAndPercent;
}

} // namespace

void TCustomChartLegend::DrawItems() {
    TCustomChart* C = Chart();
    TRect Bounds = GetShapeBounds();
    if (C->OnGetLegendRect) {
        C->OnGetLegendRect(C, Bounds);
        SetShapeBounds(Bounds);
    }
    Draw();
    if (FLayout.TitleShown) FTitle->DrawIn(Bounds);
    const int Shown = FLayout.LastValue - FLayout.FirstValue + 1;
    for (int Position = 0; Position < Shown; ++Position)
        DrawItem(FInverted ? FLayout.LastValue - Position : FLayout.FirstValue + Position, Position);
}

int TCustomChartLegend::ColumnOffset(int Position) const {
    if (GetVertical()) return 0;
    const TLegendLayout& L = FLayout;
    return (Position % L.NumCols) *
           (L.TextBlockWidth + L.SymbolWidth + LegendItemIndent + (L.CheckBoxes ? LegendCheckBoxColumn : 0));
}

void TCustomChartLegend::DrawItem(int Index, int Position) {
    TCustomChart* C = Chart();
    TVurCanvas3D* Canvas = C->GetCanvas();
    const TLegendLayout& L = FLayout;
    const int Row = GetVertical() ? Position : Position / L.NumCols;
    const int X = L.XItems + ColumnOffset(Position);
    int Y = L.FirstItemTop + LegendRowMargin + Row * L.ItemHeight + FVertSpacing / 2;
    const bool SymbolRight = FSymbol->GetPosition() == spRight;
    int TextX = X + LegendItemIndent + (SymbolRight ? 0 : L.SymbolWidth + LegendSymbolTextGap);
    int SymbolX = X + LegendItemIndent + (SymbolRight ? L.TextBlockWidth : 0);
    if (C->OnGetLegendPos) C->OnGetLegendPos(C, Index, TextX, Y, SymbolX);

    Canvas->AssignFont(GetFont());
    Canvas->GetBrush()->SetStyle(bsClear);
    Canvas->GetBrush()->SetColor(GetColor());
    Canvas->SetBackMode(cbmTransparent);
    Canvas->SetTextAlign(TA_LEFT | TA_TOP);
    if (FFontSeriesColor) {
        const TChartSeries* Series = L.Style == lsValues ? GetLegendSeries() : SeriesOfItem(Index);
        if (Series != nullptr)
            Canvas->GetFont()->SetColor(L.Style == lsValues ? Series->LegendItemColor(Index)
                                                            : Series->GetSeriesColor());
    }
    const std::string Text = FormattedLegend(Index);
    const std::size_t Split = Text.find(VurColumnSeparator);
    const bool Html = GetTextFormat() == ttfHtml;
    int ColumnX = TextX;
    for (int Column = 0; Column < 2; ++Column) {
        std::string Part;
        if (Column == 0)
            Part = Text.substr(0, Split);
        else if (Split != std::string::npos)
            Part = Text.substr(Split + 1);
        const int Width = L.ColumnWidths[static_cast<std::size_t>(Column)];
        if (!Part.empty()) {
            int PartX = ColumnX;
            if (L.Style != lsSeries && RightAligned(FTextStyle, Column))
                PartX += Width - (Html ? HtmlTextExtent(*Canvas, Part).X : Canvas->TextWidth(Part));
            Canvas->TextOut(PartX, L.CheckBoxes ? Y + CheckBoxTextDrop : Y, Part, Html);
        }
        ColumnX += Width + L.SpaceWidth;
    }

    TRect Symbol{SymbolX, Y, SymbolX + L.SymbolWidth, Y + L.ItemHeight + 1};
    const int Shown = L.LastValue - L.FirstValue + 1;
    if (!FSymbol->GetContinuous() || Position == 0) Symbol.Top += LegendSymbolTrimTop;
    if (!FSymbol->GetContinuous() || Position == Shown - 1)
        Symbol.Bottom -= FVertSpacing + LegendSymbolTrimBottom;
    if (L.CheckBoxes) {
        if (const TChartSeries* Series = SeriesOfItem(Index)) {
            const int RowHeight = L.ItemHeight - FVertSpacing;
            DrawCheckBox(*Canvas, GetShapeBounds().Left + LegendCheckBoxIndent + ColumnOffset(Position),
                         Y + std::max(0, (RowHeight - CheckBoxSize) / 2), Series->GetActive(),
                         FCheckBoxesStyle == cbsRadio);
        }
    }
    DrawSymbol(Index, Symbol);
    if (Position > 0 && FDividingLines->GetVisible()) DrawDividingLine(Position, Y);
}

void TCustomChartLegend::DrawSymbol(int Index, const TRect& Rect) {
    TVurCanvas3D* Canvas = Chart()->GetCanvas();
    const TLegendLayout& L = FLayout;
    TChartSeries* Series = L.Style == lsValues ? GetLegendSeries() : SeriesOfItem(Index);
    if (L.SymbolWidth > 0) {
        if (Series == nullptr) {
            Canvas->GetPen()->SetStyle(psSolid);
            Canvas->GetPen()->SetColor(clBlack);
            Canvas->GetBrush()->SetStyle(bsSolid);
            Canvas->GetBrush()->SetColor(clWhite);
            Canvas->Rectangle(Rect);
        } else {
            Series->DrawLegend(L.Style == lsValues ? Index : -1, Rect);
        }
    }
    if (FSymbol->OnDraw) FSymbol->OnDraw(this, Series, L.Style == lsValues ? Index : -1, Rect);
}

void TCustomChartLegend::DrawDividingLine(int Position, int Y) {
    TVurCanvas3D* Canvas = Chart()->GetCanvas();
    const TRect& B = GetShapeBounds();
    if (GetVertical()) {
        Canvas->AssignVisiblePen(FDividingLines.get());
        Canvas->Line(B.Left, Y - FVertSpacing / 2, B.Right, Y - FVertSpacing / 2);
        return;
    }
    // The first column's items border the box itself.
    const int Offset = ColumnOffset(Position);
    if (Offset == 0) return;
    Canvas->AssignVisiblePen(FDividingLines.get());
    const int X = B.Left + Offset + DividingLineIndent;
    Canvas->Line(X, B.Top, X, B.Bottom);
}

void TCustomChartLegend::DrawPlainSymbol(const TRect& Rect) {
    TVurCanvas3D* Canvas = Chart()->GetCanvas();
    TBrush* Brush = Canvas->GetBrush();
    if (FSymbol->GetGradient()->GetVisible()) {
        FSymbol->GetGradient()->SetEndColor(Brush->GetColor());
        FSymbol->GetGradient()->Draw(*Canvas, Rect);
        Canvas->AssignVisiblePen(FSymbol->GetPen());
        Brush->SetStyle(bsClear);
        Canvas->Rectangle(Rect);
        return;
    }
    Canvas->Rectangle(Rect);
    // A symbol in the legend's own colour would vanish: outline it once more.
    if (Brush->GetColor() == GetColor()) {
        Brush->SetStyle(bsClear);
        Canvas->GetPen()->SetColor(GetColor() == clBlack ? clWhite : clBlack);
        Canvas->Rectangle(Rect);
    }
}

} // namespace vur
