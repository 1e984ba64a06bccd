// How an axis takes room beside the chart rectangle: a title band, a labels
// band and a band for the line and ticks, each taken from the outside in, and
// the anchors across the axis where the title, labels and line are drawn.
#include "chart/DaZezava/Axis.h"

#include "chart/DaZezava/AxisPanel.h"
#include "chart/RoVedure/DrawSettings.h"
#include "chart/RoVedure/Geometry.h"
#include "format/NumberPattern.h"
#include "framework/ScopedValue.h"

#include <algorithm>
#include <cmath>

namespace vur {

int TChartAxis::WallSize(const TChartAxis* Axis) const {
    return Axis == nullptr ? 0 : FParentChart->CalcWallSize(Axis);
}

void TChartAxis::ReduceChartRect(TRect& R, int Size) const {
    if (FHorizontal) {
        if (FOtherSide)
            R.Top += Size;
        else
            R.Bottom -= Size;
    } else if (FOtherSide) {
        R.Right -= Size;
    } else {
        R.Left += Size;
    }
}

int TChartAxis::InflateAxisPos(int Pos, int Size) const {
    const bool Outwards = FHorizontal ? !FOtherSide : FOtherSide;
    return Outwards ? Pos + Size : Pos - Size;
}

void TChartAxis::CalcRect(TRect& R, bool InflateChartRectangle) {
    FAxisIsDateTime = IsDateTime();
    if (!InflateChartRectangle) {
        FAxisLinePos = ApplyPosition(GetRectangleEdge(R), R);
        FLabelsPos = InflateAxisPos(FAxisLinePos, SizeTickAxis());
        FTitlePos = InflateAxisPos(FLabelsPos, SizeLabels());
        return;
    }
    if (FIsDepthAxis) {
        FTitlePos = FOtherSide ? R.Right : R.Left;
    } else if (FTitle->GetVisible() && !FTitle->GetCaption().empty()) {
        ReduceChartRect(
            R, InternalCalcSize(FTitle->GetFont(), FTitle->GetAngle(), FTitleSize, FTitle->GetCaption()));
        FTitlePos = GetRectangleEdge(R);
    }
    if (GetLabels()) {
        ReduceChartRect(R, SizeLabels());
        FLabelsPos = GetRectangleEdge(R);
    }
    const int LineBand = WallSize(this) + SizeTickAxis();
    if (LineBand > 0) ReduceChartRect(R, LineBand);
    FTitlePos = ApplyPosition(FTitlePos, R);
    FLabelsPos = ApplyPosition(FLabelsPos, R);
}

int TChartAxis::SizeTickAxis() const {
    int Size = 0;
    if (FAxisPen->GetVisible()) Size = BoundSetting(FAxisPen->GetWidth()) + 1;
    if (FTicks->GetVisible()) Size += FTickLength;
    if (FMinorTicks->GetVisible()) Size = std::max(Size, FMinorTickLength);
    return Size;
}

int TChartAxis::SizeLabels() {
    const int Size = InternalCalcSize(GetLabelsFont(), FLabelsAngle, FLabelsSize, std::string());
    return FLabelsAlternate ? 2 * Size : Size;
}

int TChartAxis::InternalCalcSize(TVurFont* Font, int Angle, int FixedSize, const std::string& Text) {
    if (FixedSize != 0) return FixedSize;
    TVurCanvas3D* Canvas = FParentChart->GetCanvas();
    Canvas->AssignFont(Font);
    const bool Along = FHorizontal ? (Angle == 0 || Angle == 180) : (Angle == 90 || Angle == 270);
    if (Along) return Canvas->GetFontHeight();
    if (Text.empty()) return MaxLabelsWidth();
    int Lines = 0;
    return FParentChart->MultiLineTextWidth(Text, Lines);
}

int TChartAxis::MaxLabelsWidth() {
    TVurCanvas3D* Canvas = FParentChart->GetCanvas();
    int Lines = 0;
    if (FItems->Count() > 0) {
        int Widest = 0;
        for (int Index = 0; Index < FItems->Count(); ++Index) {
            TAxisItem* Item = FItems->Get(Index);
            Canvas->AssignFont(Item->GetFont());
            const std::string Text = Item->GetText().empty() ? LabelValue(Item->GetValue()) : Item->GetText();
            Widest = std::max(Widest, FParentChart->MultiLineTextWidth(Text, Lines));
        }
        return Widest;
    }
    const TAxisLabelStyle Style = CalcLabelStyle();
    // A depth axis names its slots after the series, so their titles are its labels.
    if (FIsDepthAxis && Style == talText) return MaxDepthSlotWidth();
    if (Style == talMark || Style == talText) return MaxSeriesLabelWidth(Style);
    if (Style != talValue) return 0;
    double Low = FRangeMinimum;
    double High = FRangeMaximum;
    if ((FAxisIsDateTime && FExactDateTime) || FRoundFirstLabel) {
        const double Increment = CalcIncrement();
        if (Increment > 0) {
            Low = std::trunc(Low / Increment) * Increment;
            High = std::trunc(High / Increment) * Increment;
        }
    }
    std::string LowText;
    std::string HighText;
    {
        const TScopedValue<TAxisOnGetLabel> Detached(FParentChart->OnGetAxisLabel, nullptr);
        LowText = LabelValue(Low);
        HighText = LabelValue(High);
    }
    Canvas->AssignFont(GetLabelsFont());
    return std::max(FParentChart->MultiLineTextWidth(LowText, Lines),
                    FParentChart->MultiLineTextWidth(HighText, Lines)) +
           Canvas->TextWidth(" ");
}

int TChartAxis::MaxSeriesLabelWidth(TAxisLabelStyle Style) {
    TVurCanvas3D* Canvas = FParentChart->GetCanvas();
    Canvas->AssignFont(GetLabelsFont());
    int Widest = 0;
    int Lines = 0;
    for (int SeriesIndex = 0; SeriesIndex < FParentChart->SeriesCount(); ++SeriesIndex) {
        TChartSeries* Series = FParentChart->GetSeries(SeriesIndex);
        if (!Series->GetActive()) continue;
        if (Style == talMark) {
            Widest = std::max(Widest, Series->MaxMarkWidth());
            continue;
        }
        for (int Index = 0; Index < Series->Count(); ++Index) {
            Widest = std::max(Widest, FParentChart->MultiLineTextWidth(Series->GetXLabel(Index), Lines));
        }
    }
    return Widest;
}

int TChartAxis::MaxDepthSlotWidth() {
    TVurCanvas3D* Canvas = FParentChart->GetCanvas();
    Canvas->AssignFont(GetLabelsFont());
    int Widest = 0;
    int Lines = 0;
    for (int Index = 0; Index < FParentChart->SeriesCount(); ++Index) {
        const TChartSeries* Series = FParentChart->GetSeries(Index);
        if (Series->GetActive())
            Widest = std::max(Widest, FParentChart->MultiLineTextWidth(DepthSlotText(Series), Lines));
    }
    return Widest;
}

int TChartAxis::GetRectangleEdge(const TRect& R) const {
    if (FHorizontal) return FOtherSide ? R.Top : R.Bottom;
    return FOtherSide ? R.Right : R.Left;
}

int TChartAxis::ApplyPosition(int Pos, const TRect& R) const {
    if (FPositionPercent == 0) return Pos;
    int Shift = FPositionUnits == muPixels
                    ? Round(FPositionPercent)
                    : Round(FPositionPercent * 0.01 * (FHorizontal ? R.Bottom - R.Top : R.Right - R.Left));
    if (FOtherSide) Shift = -Shift;
    return FHorizontal ? Pos - Shift : Pos + Shift;
}

TRect TChartAxis::AxisRect() const {
    const int Line = InflateAxisPos(FAxisLinePos, -VurDrawSettings().VurAxisClickGap);
    const int Low = std::min(FLabelsPos, Line);
    const int High = std::max(FLabelsPos, Line);
    const int Start = std::min(FPixelStart, FPixelEnd);
    const int End = std::max(FPixelStart, FPixelEnd);
    return FHorizontal ? TRect{Start, Low, End, High} : TRect{Low, Start, High, End};
}

bool TChartAxis::Clicked(int X, int Y) const {
    if (!FVisibleInPaint) return false;
    TRect R = AxisRect();
    if (FParentChart->GetView3D()) {
        R = FParentChart->GetCanvas()->CalcRect3D(R, FDepthPixelPos);
        if (R.Left > R.Right) std::swap(R.Left, R.Right);
        if (R.Top > R.Bottom) std::swap(R.Top, R.Bottom);
    }
    return PointInRect(R, X, Y);
}

unsigned TChartAxis::DepthAxisAlign() const { return FOtherSide ? TA_LEFT : TA_RIGHT; }

int TChartAxis::DepthAxisPos() const {
    const TRect& R = FParentChart->GetChartRect();
    return FOtherSide ? R.Bottom - FDepthPixelPos : R.Top + FDepthPixelPos;
}

} // namespace vur
