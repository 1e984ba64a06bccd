// Which labels an axis draws: value labels walked down from the highest
// value (linear, calendar-aware and logarithmic), labels the chart's
// OnGetNextAxisLabel supplies, series texts thinned where they would
// overlap, depth slots and custom items.
#include "chart/DaZezava/AxisLabelWalk.h"

#include "chart/DaZezava/AxisPanel.h"
#include "format/GeneralNumber.h"
#include "platform/numeric/Rounding.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace vur {

namespace {

// Value labels a walk may draw at most; a walk that can draw more draws none.
constexpr int MaxValueLabels = 10000;
constexpr int MaxNextLabelIndex = 2000;
// How far a value the chart's OnGetNextAxisLabel hands out may lie beyond
// the range and still get its label: room for the rounding of a sum of steps.
constexpr double NextLabelTolerance = 1e-7;
// Beyond 2^53 multiples of an increment are not distinct doubles.
constexpr double ExactMultiples = 9007199254740992.0;

bool InRange(double Value, double Low, double High) { return Value >= Low && Value <= High; }

} // namespace

TAxisLabelWalk::TAxisLabelWalk(TChartAxis& Axis) : FAxis(Axis) {
    if (!Axis.FLabelsAlternate) return;
    TVurCanvas3D* Canvas = Axis.FParentChart->GetCanvas();
    Canvas->AssignFont(Axis.GetLabelsFont());
    FAlternateRow = Axis.FHorizontal ? Canvas->GetFontHeight() : Axis.MaxLabelsWidth();
}

int TAxisLabelWalk::NextLabelPos() {
    int Pos = FAxis.FLabelsPos;
    // Horizontal axes move the second label of each pair, vertical ones the first.
    if (FAxis.FLabelsAlternate && (FLabelCount % 2 == (FAxis.FHorizontal ? 1 : 0)))
        Pos = FAxis.InflateAxisPos(Pos, FAlternateRow);
    ++FLabelCount;
    return Pos;
}

void TAxisLabelWalk::Walk() {
    TChartAxis& A = FAxis;
    if (A.FItems->Count() > 0) {
        DrawCustomItems();
        return;
    }
    const TAxisLabelStyle Style = A.CalcLabelStyle();
    if (Style == talNone) return;
    const double Increment = A.CalcIncrement();
    TDateTimeStep Step = dtNone;
    if (A.FAxisIsDateTime && A.FExactDateTime && A.FDesiredIncrement != 0) {
        Step = FindDateTimeStep(A.FDesiredIncrement);
        if (Step != dtNone)
            while (Increment > DateTimeStep[Step] && Step < dtOneYear)
                Step = static_cast<TDateTimeStep>(Step + 1);
    }
    const bool CalendarStep = Step >= dtHalfMonth && Step <= dtOneYear;
    if (!(Increment > 0 || CalendarStep) || !(A.FRangeMaximum >= A.FRangeMinimum)) return;
    if (Style == talValue) {
        if (A.FParentChart->OnGetNextAxisLabel)
            DrawNextLabels(Increment, Step);
        else if (A.FLogarithmic && A.FDesiredIncrement == 0)
            DrawLogarithmicLabels();
        else
            DrawLinearLabels(Increment, Step);
    } else if (A.FIsDepthAxis && Style == talText) {
        DrawDepthSlots();
    } else {
        DrawSeriesLabels(Style);
    }
}

void TAxisLabelWalk::DrawValueLabel(double Value) {
    TChartAxis& A = FAxis;
    const int Position = A.CalcPosValue(Value);
    if (!A.FLabelsOnAxis && !(A.FPixelStart < Position && Position < A.FPixelEnd)) return;
    if (!A.FTickOnLabelsOnly) A.AddTick(Position);
    if (A.GetLabels()) A.DrawLabelAt(Position, A.LabelValue(Value), nullptr);
}

void TAxisLabelWalk::DrawLinearLabels(double Increment, TDateTimeStep Step) {
    TChartAxis& A = FAxis;
    const double Minimum = A.FRangeMinimum;
    const double Maximum = A.FRangeMaximum;
    if (!(std::fabs(A.FRangeSpan / Increment) < MaxValueLabels)) return;
    double Value = Maximum;
    if (A.FAxisIsDateTime && A.FExactDateTime && Step != dtNone && Step >= dtOneDay) {
        Value = VurRoundDate(Maximum, Step);
    } else if (!SameGeneralNumberText(Minimum, Maximum) && A.FRoundFirstLabel) {
        const double Multiples = Maximum / Increment;
        // Past exact multiples start at the maximum.
        if (std::fabs(Multiples) < ExactMultiples)
            Value = static_cast<double>(Trunc64(Multiples)) * Increment;
    }
    // Each walk stops where a step no longer lowers the value.
    for (int Steps = 0; Value > Maximum && Steps < MaxValueLabels; ++Steps) {
        const double Before = Value;
        A.IncDecDateTime(false, Value, Increment, Step);
        if (!(Value < Before)) return;
    }
    if (A.FRangeIsZero || std::fabs(Maximum - Minimum) < MinAxisRange ||
        SameGeneralNumberText(Value, Value - Increment)) {
        DrawValueLabel(Value);
        return;
    }
    const double Limit = Minimum >= 0 ? (Minimum - MinAxisIncrement) / (1 + MinAxisIncrement) : Minimum;
    for (int Labels = 0; Value >= Limit && Labels < MaxValueLabels; ++Labels) {
        DrawValueLabel(Value);
        const double Before = Value;
        A.IncDecDateTime(false, Value, Increment, Step);
        if (!(Value < Before)) return;
    }
}

void TAxisLabelWalk::DrawLogarithmicLabels() {
    TChartAxis& A = FAxis;
    if (A.FRangeMinimum == A.FRangeMaximum) return;
    double Start;
    if (A.FRangeMinimum > 0) {
        Start = A.RoundLogPower(A.FRangeMinimum);
    } else {
        A.FRangeMinimum = A.FRangeMinimum == 0 ? 0.1 : A.RoundLogPower(MinAxisRange);
        A.InternalCalcRange();
        Start = A.FRangeMinimum;
    }
    const double Base = A.FLogarithmicBase;
    const auto LogBase = [Base](double Value) { return std::log(Value) / std::log(Base); };
    const bool MinorGrid = A.FMinorGrid->GetVisible();
    if (MinorGrid) {
        const double First = Start >= A.FRangeMinimum ? std::pow(Base, LogBase(A.FRangeMinimum) - 1) : Start;
        if (First < A.FRangeMinimum) A.AddTick(A.CalcPosValue(First));
    }
    if (Base > 1) {
        bool Drew = false;
        double Value = Start;
        for (int Labels = 0; Value <= A.FRangeMaximum && Labels < MaxValueLabels; ++Labels) {
            if (Value >= A.FRangeMinimum) {
                DrawValueLabel(Value);
                Drew = true;
            }
            Value *= Base;
        }
        if (!Drew) {
            const double Step = std::pow(Base, LogBase(Start) - 1);
            Value = Start;
            for (int Labels = 0; Value <= A.FRangeMaximum && Step > 0 && Labels < MaxValueLabels; ++Labels) {
                if (Value >= A.FRangeMinimum) DrawValueLabel(Value);
                Value += Step;
            }
        }
    }
    if (MinorGrid && Start > A.FRangeMaximum) A.AddTick(A.CalcPosValue(Start));
}

void TAxisLabelWalk::DrawNextLabels(double Increment, TDateTimeStep Step) {
    TChartAxis& A = FAxis;
    double Value = A.FRangeMinimum;
    for (int LabelIndex = 0; LabelIndex <= MaxNextLabelIndex; ++LabelIndex) {
        bool Stop = true;
        A.FParentChart->OnGetNextAxisLabel(&A, LabelIndex, Value, Stop);
        if (Stop) {
            if (LabelIndex > 0) return;
            if (A.FLogarithmic && A.FDesiredIncrement == 0)
                DrawLogarithmicLabels();
            else
                DrawLinearLabels(Increment, Step);
            return;
        }
        if (!InRange(Value, A.FRangeMinimum - NextLabelTolerance, A.FRangeMaximum + NextLabelTolerance))
            return;
        DrawValueLabel(Value);
    }
}

std::string TAxisLabelWalk::SeriesLabelText(TChartSeries* Series, int Index, TAxisLabelStyle Style) {
    std::string Text = Style == talMark ? Series->GetMarkText(Index) : Series->GetXLabel(Index);
    if (FAxis.FParentChart->OnGetAxisLabel) FAxis.FParentChart->OnGetAxisLabel(&FAxis, Series, Index, Text);
    return Text;
}

void TAxisLabelWalk::DrawSeriesLabels(TAxisLabelStyle Style) {
    TChartAxis& A = FAxis;
    TCustomAxisPanel* Chart = A.FParentChart;
    std::vector<TChartSeries*> AxisSeries;
    int Lowest = -1;
    int Highest = -1;
    for (int Index = 0; Index < Chart->SeriesCount(); ++Index) {
        TChartSeries* Series = Chart->GetSeries(Index);
        if (!Series->GetActive() || !Series->AssociatedToAxis(&A)) continue;
        AxisSeries.push_back(Series);
        Series->CalcFirstLastVisibleIndex();
        if (Series->GetFirstVisibleIndex() != -1 && (Lowest == -1 || Series->GetFirstVisibleIndex() < Lowest))
            Lowest = Series->GetFirstVisibleIndex();
        Highest = std::max(Highest, Series->GetLastVisibleIndex());
    }
    if (Lowest == -1) return;
    const bool SizeAlong = A.FHorizontal != (A.FLabelsAngle == 90 || A.FLabelsAngle == 270);
    int LastPos = -1;
    int LastHalf = 0;
    bool DrewOne = false;
    for (int Index = Lowest; Index <= Highest; ++Index) {
        TChartSeries* Source = nullptr;
        std::string Text;
        for (TChartSeries* Series : AxisSeries) {
            if (Series->GetFirstVisibleIndex() == -1 || Index < Series->GetFirstVisibleIndex() ||
                Index > Series->GetLastVisibleIndex())
                continue;
            Text = SeriesLabelText(Series, Index, Style);
            if (Text.empty()) continue;
            Source = Series;
            break;
        }
        if (Source == nullptr) continue;
        const double Value = A.FHorizontal ? Source->GetxValue(Index) : Source->GetyValue(Index);
        if (!InRange(Value, A.FRangeMinimum, A.FRangeMaximum)) continue;
        const int Position = A.CalcPosValue(Value);
        if (!A.FTickOnLabelsOnly) A.AddTick(Position);
        if (!A.GetLabels()) continue;
        int Size = A.LabelTextSize(Text, SizeAlong);
        if (A.FLabelsSeparation != 0 && DrewOne) {
            // Half the text plus half the separation, a percentage of the text.
            Size = (Size + Trunc(Size * 0.02 * A.FLabelsSeparation)) / 2;
            const bool Clears = Position >= LastPos ? Position - Size >= LastPos + LastHalf
                                                    : Position + Size <= LastPos - LastHalf;
            if (!Clears) continue;
            LastHalf = Size;
        } else {
            LastHalf = Size / 2;
        }
        A.DrawLabelAt(Position, Text, nullptr);
        LastPos = Position;
        DrewOne = true;
    }
}

void TAxisLabelWalk::DrawDepthSlots() {
    TChartAxis& A = FAxis;
    TCustomAxisPanel* Chart = A.FParentChart;
    std::vector<TChartSeries*> Active;
    for (int Index = 0; Index < Chart->SeriesCount(); ++Index)
        if (Chart->GetSeries(Index)->GetActive()) Active.push_back(Chart->GetSeries(Index));
    const int First = Trunc(A.FRangeMinimum);
    const int Last = Trunc(A.FRangeMaximum);
    if (Active.empty() || static_cast<std::int64_t>(Last) - First >= MaxValueLabels) return;
    for (int Slot = First; Slot <= Last; ++Slot) {
        // The middle of the slot.
        const int Position = A.CalcYPosValue(A.FRangeMaximum - Slot - 0.5);
        if (!A.FTickOnLabelsOnly) A.AddTick(Position);
        if (!A.GetLabels()) continue;
        const bool HasSeries = Slot >= 0 && Slot < static_cast<int>(Active.size());
        A.DrawLabelAt(Position,
                      HasSeries ? TChartAxis::DepthSlotText(Active[static_cast<std::size_t>(Slot)])
                                : std::string(),
                      nullptr);
    }
}

void TAxisLabelWalk::DrawCustomItems() {
    TChartAxis& A = FAxis;
    for (int Index = 0; Index < A.FItems->Count(); ++Index) {
        TAxisItem* Item = A.FItems->Get(Index);
        if (!InRange(Item->GetValue(), A.FMinimum, A.FMaximum)) continue;
        const int Position = A.CalcPosValue(Item->GetValue());
        if (!A.FTickOnLabelsOnly) A.AddTick(Position);
        if (Item->GetVisible())
            A.DrawLabelAt(Position,
                          Item->GetText().empty() ? A.LabelValue(Item->GetValue()) : Item->GetText(), Item);
    }
}

} // namespace vur
