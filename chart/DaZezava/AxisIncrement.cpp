// How far apart an axis' labels are: the label style, the size of a label,
// how many fit, and the numeric and date-time increment searches.
#include "chart/DaZezava/AxisIncrement.h"

#include "chart/DaZezava/Axis.h"
#include "chart/DaZezava/AxisPanel.h"
#include "platform/numeric/Rounding.h"

#include <algorithm>
#include <cmath>

namespace vur {

namespace {

// The searches grow geometrically and end after a few dozen rounds; this
// only stops a search that cannot grow (a logarithmic base below 1).
constexpr int MaxSearchRounds = 2000;

// Label counts from this on cannot be rounded to an int; the search then
// steps up without counting.
constexpr double MaxLabelCount = 2147483647.0;

// A date-time search starts from no more steps than this across the range,
// so that a tiny desired increment does not step up a million times.
constexpr double MaxDateTimeSteps = 1000000;

bool IsLineCount(int Angle, bool Vertical) {
    return Vertical ? Angle == 90 || Angle == 270 : Angle == 0 || Angle == 180;
}

} // namespace

double NiceStepAbove(double X) {
    if (!(X > 0) || !std::isfinite(X)) return X;
    const double Power = std::pow(10.0, std::floor(std::log10(X)));
    // A member within this of X counts as X itself.
    const double Limit = X * (1 + 1e-9);
    for (const double Step : {1.0, 2.0, 5.0, 10.0, 20.0})
        if (Step * Power > Limit) return Step * Power;
    return 50 * Power;
}

// ---------------------------------------------------------------- label style

TAxisLabelStyle TChartAxis::CalcLabelStyle() const {
    return FLabelStyle == talAuto ? InternalCalcLabelStyle() : FLabelStyle;
}

bool TChartAxis::LiesAlongPositions(const TChartSeries* Series) const {
    return FHorizontal == Series->GetYMandatory();
}

TAxisLabelStyle TChartAxis::InternalCalcLabelStyle() const {
    TAxisLabelStyle Result = talNone;
    for (int Index = 0; Index < FParentChart->SeriesCount(); ++Index) {
        TChartSeries* Series = FParentChart->GetSeries(Index);
        if (!Series->GetActive() || !Series->AssociatedToAxis(this)) continue;
        Result = talValue;
        if (LiesAlongPositions(Series) && Series->Labels().Count() > 0 && !Series->Labels().Get(0).empty())
            return talText;
    }
    return Result;
}

TAxisLabelStyle TChartDepthAxis::InternalCalcLabelStyle() const {
    for (int Index = 0; Index < FParentChart->SeriesCount(); ++Index) {
        const TChartSeries* Series = FParentChart->GetSeries(Index);
        if (Series->GetActive() && Series->MinZValue() != Series->MaxZValue()) return talValue;
    }
    return talText;
}

// ---------------------------------------------------------------- label size

int TChartAxis::InternalLabelSize(double Value, bool IsWidth) {
    return LabelTextSize(LabelValue(Value), !IsLineCount(FLabelsAngle, IsWidth));
}

// ---------------------------------------------------------------- increments

double TChartAxis::CalcIncrement() {
    const int MaxLabelSize = std::max(InternalLabelSize(FRangeMaximum, FHorizontal),
                                      InternalLabelSize(FRangeMinimum, FHorizontal));
    double Result = CalcXYIncrement(MaxLabelSize);
    if (FLabelsAlternate) Result = FLogarithmic ? Result / FLogarithmicBase : Result / 2;
    return Result;
}

double TChartAxis::CalcXYIncrement(int MaxLabelSize) {
    if (MaxLabelSize > 0) {
        int Size = MaxLabelSize;
        if (FLabelsSeparation > 0) Size += Round(FLabelsSeparation * 0.01 * MaxLabelSize);
        FMaxLabelCount = Round(static_cast<double>(FPixelSize) / Size);
    } else {
        FMaxLabelCount = 1;
    }
    return CalcLabelsIncrement(FMaxLabelCount);
}

double TChartAxis::CalcLabelsIncrement(int MaxNumLabels) {
    if (MaxNumLabels < 1) return FAxisIsDateTime ? DateTimeStep[dtOneMicroSecond] : MinAxisIncrement;
    if (FAxisIsDateTime) return CalcDateTimeIncrement(MaxNumLabels);
    const int N = MaxNumLabels;
    double Inc;
    if (FDesiredIncrement > 0) {
        Inc = FDesiredIncrement;
    } else if (FRangeSpan == 0) {
        Inc = 1;
    } else {
        Inc = std::fabs(FRangeSpan) / (N + 1);
        if (FLogarithmic) Inc = RoundLogPower(Inc);
        if (FRangeSpan >= 1 && FewPointsOnAxis(N)) Inc = std::max(Inc, 1.0);
    }
    if (FLabelsSeparation != 0) {
        int Count = N + 1;
        for (int Round_ = 0; Round_ < MaxSearchRounds; ++Round_) {
            const double Q = FRangeSpan / Inc;
            bool StepUp = true;
            if (std::fabs(Q) < MaxLabelCount) {
                Count = Round(Q);
                StepUp = Count > N;
            }
            if (StepUp) Inc = FLogarithmic ? Inc * FLogarithmicBase : NiceStepAbove(Inc);
            if (Count <= N || Inc > FRangeSpan || std::isinf(Inc)) break;
        }
    }
    return std::isinf(Inc) ? FRangeSpan : std::max(MinAxisIncrement, Inc);
}

double TChartAxis::CalcDateTimeIncrement(int MaxNumLabels) const {
    TDateTimeIncrementSearch& Last = FLastDateTimeIncrement;
    if (Last.Span == FRangeSpan && Last.Desired == FDesiredIncrement && Last.Labels == MaxNumLabels)
        return Last.Result;
    const double MinStep = DateTimeStep[dtOneMicroSecond];
    double Inc = std::max(MinStep, FDesiredIncrement);
    if (Inc > 0 && MaxNumLabels > 0) {
        if (FRangeSpan / Inc > MaxDateTimeSteps) Inc = FRangeSpan / MaxDateTimeSteps;
        for (int Round_ = 0; Round_ < MaxSearchRounds; ++Round_) {
            if (Round(FRangeSpan / Inc) <= MaxNumLabels) break;
            if (Inc >= DateTimeStep[dtOneYear])
                Inc *= 2;
            else if (Inc >= DateTimeStep[dtOneSecond])
                Inc = NextDateTimeStep(Inc);
            else
                Inc = NiceStepAbove(Inc);
        }
    }
    Last = {FRangeSpan, FDesiredIncrement, MaxNumLabels, std::max(MinStep, Inc)};
    return Last.Result;
}

bool TChartAxis::FewPointsOnAxis(int N) const {
    for (int Index = 0; Index < FParentChart->SeriesCount(); ++Index) {
        const TChartSeries* Series = FParentChart->GetSeries(Index);
        if (Series->GetActive() && LiesAlongPositions(Series) && Series->AssociatedToAxis(this) &&
            Series->Count() <= N)
            return true;
    }
    return false;
}

double TChartAxis::RoundLogPower(double Value) const {
    return std::pow(FLogarithmicBase, Round(std::log(Value) / std::log(FLogarithmicBase)));
}

void TChartAxis::IncDecDateTime(bool Increment, double& Value, double AIncrement, TDateTimeStep Step) const {
    VurDateTimeIncrement(FExactDateTime && FAxisIsDateTime && Step >= dtHalfMonth, Increment, Value,
                         AIncrement, Step);
}

} // namespace vur
