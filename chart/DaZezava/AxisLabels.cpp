// Which labels an axis draws: value labels walked down from the highest
// value (linear, calendar-aware and logarithmic), labels the chart's
// OnGetNextAxisLabel supplies, series texts thinned where they would
// overlap, depth slots and custom items; and the text of a value.
#include "chart/DaZezava/Axis.h"

#include "chart/DaZezava/AxisPanel.h"
#include "format/DateTimePattern.h"
#include "format/GeneralNumber.h"
#include "format/NumberPattern.h"
#include "format/ReplaceChar.h"
#include "platform/numeric/Rounding.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace vur {

namespace {

// Value labels a walk may draw at most; a walk that can draw more draws none.
constexpr int MaxValueLabels = 10000;
constexpr int MaxNextLabelIndex = 2000;

bool InRange(double Value, double Low, double High) { return Value >= Low && Value <= High; }

} // namespace

// ---------------------------------------------------------------- texts

int TChartAxis::LabelTextSize(const std::string& Text, bool AlongLines) const {
    TVurCanvas3D* Canvas = FParentChart->GetCanvas();
    const TMultiLineSize Size = MultiLineTextSize(*Canvas, Text);
    return AlongLines ? Size.Width : Canvas->GetFontHeight() * Size.Lines;
}

std::string TChartAxis::LabelValue(double Value) {
    std::string Text;
    if (!FAxisIsDateTime) {
        Text = FKeptNumberPattern.Get(FAxisValuesFormat).Format(Value);
    } else if (Value >= 0) {
        Text = FKeptDateTimePattern
                   .Get(FDateTimeFormat.empty() ? DateTimeDefaultFormat(FRangeSpan) : FDateTimeFormat)
                   .Format(Value);
    }
    if (FParentChart->OnGetAxisLabel) FParentChart->OnGetAxisLabel(this, nullptr, -1, Text);
    if (FLabelsMultiLine) Text = ReplaceChar(Text, ' ', VurLineSeparator);
    return Text;
}

// ---------------------------------------------------------------- anchors

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

// ---------------------------------------------------------------- drawing

void TChartAxis::AddTick(int Position) { FTickPositions.push_back(Position); }

void TChartAxis::DrawLabels() {
    if (FItems->Count() > 0) {
        DrawCustomItems();
        return;
    }
    const TAxisLabelStyle Style = CalcLabelStyle();
    if (Style == talNone) return;
    const double Increment = CalcIncrement();
    TDateTimeStep Step = dtNone;
    if (FAxisIsDateTime && FExactDateTime && FDesiredIncrement != 0) {
        Step = FindDateTimeStep(FDesiredIncrement);
        if (Step != dtNone)
            while (Increment > DateTimeStep[Step] && Step < dtOneYear)
                Step = static_cast<TDateTimeStep>(Step + 1);
    }
    const bool CalendarStep = Step >= dtHalfMonth && Step <= dtOneYear;
    if (!(Increment > 0 || CalendarStep) || !(FRangeMaximum >= FRangeMinimum)) return;
    if (Style == talValue) {
        if (FParentChart->OnGetNextAxisLabel)
            DrawNextLabels(Increment, Step);
        else if (FLogarithmic && FDesiredIncrement == 0)
            DrawLogarithmicLabels();
        else
            DrawLinearLabels(Increment, Step);
    } else if (FIsDepthAxis && Style == talText) {
        DrawDepthSlots();
    } else {
        DrawSeriesLabels(Style);
    }
}

void TChartAxis::DrawValueLabel(double Value) {
    const int Position = CalcPosValue(Value);
    if (!FLabelsOnAxis && !(FPixelStart < Position && Position < FPixelEnd)) return;
    if (!FTickOnLabelsOnly) AddTick(Position);
    if (GetLabels()) DrawLabelAt(Position, LabelValue(Value), nullptr);
}

void TChartAxis::DrawLinearLabels(double Increment, TDateTimeStep Step) {
    if (!(std::fabs(FRangeSpan / Increment) < MaxValueLabels)) return;
    double Value = FRangeMaximum;
    if (FAxisIsDateTime && FExactDateTime && Step != dtNone && Step >= dtOneDay) {
        Value = VurRoundDate(FRangeMaximum, Step);
    } else if (!SameGeneralNumberText(FRangeMinimum, FRangeMaximum) && FRoundFirstLabel) {
        const double Multiples = FRangeMaximum / Increment;
        // Beyond 2^53 multiples are not distinct doubles: start at the maximum.
        if (std::fabs(Multiples) < 9007199254740992.0)
            Value = static_cast<double>(Trunc64(Multiples)) * Increment;
    }
    // Each walk stops where a step no longer lowers the value.
    for (int Steps = 0; Value > FRangeMaximum && Steps < MaxValueLabels; ++Steps) {
        const double Before = Value;
        IncDecDateTime(false, Value, Increment, Step);
        if (!(Value < Before)) return;
    }
    if (FRangeIsZero || std::fabs(FRangeMaximum - FRangeMinimum) < 1e-10 ||
        SameGeneralNumberText(Value, Value - Increment)) {
        DrawValueLabel(Value);
        return;
    }
    const double Limit =
        FRangeMinimum >= 0 ? (FRangeMinimum - MinAxisIncrement) / (1 + MinAxisIncrement) : FRangeMinimum;
    for (int Labels = 0; Value >= Limit && Labels < MaxValueLabels; ++Labels) {
        DrawValueLabel(Value);
        const double Before = Value;
        IncDecDateTime(false, Value, Increment, Step);
        if (!(Value < Before)) return;
    }
}

void TChartAxis::DrawLogarithmicLabels() {
    if (FRangeMinimum == FRangeMaximum) return;
    double Start;
    if (FRangeMinimum > 0) {
        Start = RoundLogPower(FRangeMinimum);
    } else {
        FRangeMinimum = FRangeMinimum == 0 ? 0.1 : RoundLogPower(MinAxisRange);
        InternalCalcRange();
        Start = FRangeMinimum;
    }
    const double Base = FLogarithmicBase;
    const auto LogBase = [Base](double Value) { return std::log(Value) / std::log(Base); };
    const bool MinorGrid = FMinorGrid->GetVisible();
    if (MinorGrid) {
        const double First = Start >= FRangeMinimum ? std::pow(Base, LogBase(FRangeMinimum) - 1) : Start;
        if (First < FRangeMinimum) AddTick(CalcPosValue(First));
    }
    if (Base > 1) {
        bool Drew = false;
        double Value = Start;
        for (int Labels = 0; Value <= FRangeMaximum && Labels < MaxValueLabels; ++Labels) {
            if (Value >= FRangeMinimum) {
                DrawValueLabel(Value);
                Drew = true;
            }
            Value *= Base;
        }
        if (!Drew) {
            const double Step = std::pow(Base, LogBase(Start) - 1);
            Value = Start;
            for (int Labels = 0; Value <= FRangeMaximum && Step > 0 && Labels < MaxValueLabels; ++Labels) {
                if (Value >= FRangeMinimum) DrawValueLabel(Value);
                Value += Step;
            }
        }
    }
    if (MinorGrid && Start > FRangeMaximum) AddTick(CalcPosValue(Start));
}

void TChartAxis::DrawNextLabels(double Increment, TDateTimeStep Step) {
    double Value = FRangeMinimum;
    for (int LabelIndex = 0; LabelIndex <= MaxNextLabelIndex; ++LabelIndex) {
        bool Stop = true;
        FParentChart->OnGetNextAxisLabel(this, LabelIndex, Value, Stop);
        if (Stop) {
            if (LabelIndex > 0) return;
            if (FLogarithmic && FDesiredIncrement == 0)
                DrawLogarithmicLabels();
            else
                DrawLinearLabels(Increment, Step);
            return;
        }
        if (!InRange(Value, FRangeMinimum - 1e-7, FRangeMaximum + 1e-7)) return;
        DrawValueLabel(Value);
    }
}

std::string TChartAxis::SeriesLabelText(TChartSeries* Series, int Index, TAxisLabelStyle Style) {
    std::string Text = Series->GetXLabel(Index);
    // A value mark shows the point's label, or its value when it has none.
    if (Style == talMark && Text.empty())
        Text = FKeptNumberPattern.Get(Series->GetValueFormat()).Format(Series->GetMarkValue(Index));
    if (FParentChart->OnGetAxisLabel) FParentChart->OnGetAxisLabel(this, Series, Index, Text);
    return Text;
}

void TChartAxis::DrawSeriesLabels(TAxisLabelStyle Style) {
    int Lowest = -1;
    int Highest = -1;
    for (int Index = 0; Index < FParentChart->SeriesCount(); ++Index) {
        TChartSeries* Series = FParentChart->GetSeries(Index);
        if (!Series->GetActive() || !Series->AssociatedToAxis(this)) continue;
        FAxisSeriesList.push_back(Series);
        Series->CalcFirstLastVisibleIndex();
        if (Series->GetFirstVisibleIndex() != -1 && (Lowest == -1 || Series->GetFirstVisibleIndex() < Lowest))
            Lowest = Series->GetFirstVisibleIndex();
        Highest = std::max(Highest, Series->GetLastVisibleIndex());
    }
    if (Lowest != -1) {
        const bool SizeAlong = FHorizontal != (FLabelsAngle == 90 || FLabelsAngle == 270);
        int LastPos = -1;
        int LastHalf = 0;
        bool DrewOne = false;
        for (int Index = Lowest; Index <= Highest; ++Index) {
            TChartSeries* Source = nullptr;
            std::string Text;
            for (TChartSeries* Series : FAxisSeriesList) {
                if (Series->GetFirstVisibleIndex() == -1 || Index < Series->GetFirstVisibleIndex() ||
                    Index > Series->GetLastVisibleIndex())
                    continue;
                Text = SeriesLabelText(Series, Index, Style);
                if (Text.empty()) continue;
                Source = Series;
                break;
            }
            if (Source == nullptr) continue;
            const double Value = FHorizontal ? Source->GetxValue(Index) : Source->GetyValue(Index);
            if (!InRange(Value, FRangeMinimum, FRangeMaximum)) continue;
            const int Position = CalcPosValue(Value);
            if (!FTickOnLabelsOnly) AddTick(Position);
            if (!GetLabels()) continue;
            int Size = LabelTextSize(Text, SizeAlong);
            if (FLabelsSeparation != 0 && DrewOne) {
                Size = (Size + Trunc(Size * 0.02 * FLabelsSeparation)) / 2;
                const bool Clears = Position >= LastPos ? Position - Size >= LastPos + LastHalf
                                                        : Position + Size <= LastPos - LastHalf;
                if (!Clears) continue;
                LastHalf = Size;
            } else {
                LastHalf = Size / 2;
            }
            DrawLabelAt(Position, Text, nullptr);
            LastPos = Position;
            DrewOne = true;
        }
    }
    FAxisSeriesList.clear();
}

std::string TChartAxis::DepthSlotText(const TChartSeries* Series) {
    return Series->GetTitle().empty() ? Series->GetName() : Series->GetTitle();
}

void TChartAxis::DrawDepthSlots() {
    std::vector<TChartSeries*> Active;
    for (int Index = 0; Index < FParentChart->SeriesCount(); ++Index)
        if (FParentChart->GetSeries(Index)->GetActive()) Active.push_back(FParentChart->GetSeries(Index));
    const int First = Trunc(FRangeMinimum);
    const int Last = Trunc(FRangeMaximum);
    if (Active.empty() || static_cast<std::int64_t>(Last) - First >= MaxValueLabels) return;
    for (int Slot = First; Slot <= Last; ++Slot) {
        const int Position = CalcYPosValue(FRangeMaximum - Slot - 0.5);
        if (!FTickOnLabelsOnly) AddTick(Position);
        if (!GetLabels()) continue;
        const bool HasSeries = Slot >= 0 && Slot < static_cast<int>(Active.size());
        DrawLabelAt(Position,
                    HasSeries ? DepthSlotText(Active[static_cast<std::size_t>(Slot)]) : std::string(),
                    nullptr);
    }
}

void TChartAxis::DrawCustomItems() {
    for (int Index = 0; Index < FItems->Count(); ++Index) {
        TAxisItem* Item = FItems->Get(Index);
        if (!InRange(Item->GetValue(), FMinimum, FMaximum)) continue;
        const int Position = CalcPosValue(Item->GetValue());
        if (!FTickOnLabelsOnly) AddTick(Position);
        if (Item->GetVisible())
            DrawLabelAt(Position, Item->GetText().empty() ? LabelValue(Item->GetValue()) : Item->GetText(),
                        Item);
    }
}

} // namespace vur
