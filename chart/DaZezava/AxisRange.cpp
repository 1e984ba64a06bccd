// The range side of the axes: the data extremes the panel finds for an axis,
// the axis' range and pixel extent in a paint, margins, manual ranges and
// the value-to-pixel mapping chosen once per axis.
#include "chart/DaZezava/Axis.h"

#include "chart/DaZezava/AxisPanel.h"
#include "platform/numeric/Rounding.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace vur {

namespace {

// Adds a rounded offset to an end pixel, keeping the sum within
// +-PixelLimit: the size of the axis and the margins added to its ends then
// stay inside int.
inline int AddOffset(int Base, double Offset) {
    return static_cast<int>(
        std::clamp<std::int64_t>(static_cast<std::int64_t>(Base) + Round(Offset), -PixelLimit, PixelLimit));
}

} // namespace

// ---------------------------------------------------------------- panel side

bool TCustomAxisPanel::NoActiveSeries(const TChartAxis* Axis) const {
    for (int Index = 0; Index < SeriesCount(); ++Index) {
        const TChartSeries* Series = GetSeries(Index);
        if (Series->GetActive() && Series->AssociatedToAxis(Axis)) return false;
    }
    return true;
}

TChartSeries* TCustomAxisPanel::GetAxisSeries(const TChartAxis* Axis) const {
    for (int Index = 0; Index < SeriesCount(); ++Index) {
        TChartSeries* Series = GetSeries(Index);
        if (Series->GetActive() && Series->AssociatedToAxis(Axis)) return Series;
    }
    return nullptr;
}

TChartSeries* TCustomAxisPanel::GetAxisSeriesMaxPoints(const TChartAxis* Axis) const {
    TChartSeries* Result = nullptr;
    for (int Index = 0; Index < SeriesCount(); ++Index) {
        TChartSeries* Series = GetSeries(Index);
        if (!Series->GetActive() || !Series->AssociatedToAxis(Axis)) continue;
        if (Result == nullptr || Series->Count() > Result->Count()) Result = Series;
    }
    return Result;
}

double TCustomAxisPanel::InternalMinMax(const TChartAxis* Axis, bool IsMin, bool IsX) const {
    // Non-finite extremes are skipped, so a range is always finite.
    bool Taken = false;
    double Result = 0;
    const auto Take = [&](double Value) {
        if (!std::isfinite(Value)) return;
        if (!Taken || (IsMin ? Value < Result : Value > Result)) Result = Value;
        Taken = true;
    };
    if (Axis->GetIsDepthAxis()) {
        if (Axis->CalcLabelStyle() != talValue) return IsMin ? -0.5 : GetMaxZOrder() + 0.5;
        for (int Index = 0; Index < SeriesCount(); ++Index) {
            const TChartSeries* Series = GetSeries(Index);
            if (Series->GetActive()) Take(IsMin ? Series->MinZValue() : Series->MaxZValue());
        }
        return Result;
    }
    if (FMaxPointsPerPage > 0) {
        const TChartSeries* AxisSeries = GetAxisSeries(Axis);
        const bool PagingAxis = AxisSeries == nullptr
                                    ? Axis->GetHorizontal()
                                    : Axis == (AxisSeries->GetYMandatory() ? AxisSeries->GetHorizontalAxis()
                                                                           : AxisSeries->GetVerticalAxis());
        if (PagingAxis) {
            const TChartSeries* Series = GetAxisSeriesMaxPoints(Axis);
            if (Series == nullptr || Series->Count() == 0) return 0;
            int First = 0;
            int Last = 0;
            Series->CalcFirstLastPage(First, Last);
            const TChartValueList* Values = IsX ? Series->GetXValues() : Series->GetYValues();
            const double A = Values->GetValue(First);
            if (IsMin) return A;
            const double B = Values->GetValue(Last);
            const int N = Last - First + 1;
            if (FScaleLastPage || N >= FMaxPointsPerPage) return B;
            const double Ratio = static_cast<double>(FMaxPointsPerPage) / N;
            return B == A ? A + Ratio : A + (B - A) * Ratio;
        }
    }
    const bool NoActive = NoActiveSeries(Axis);
    for (int Index = 0; Index < SeriesCount(); ++Index) {
        const TChartSeries* Series = GetSeries(Index);
        if ((!Series->GetActive() && !NoActive) || Series->Count() == 0) continue;
        const bool Uses =
            IsX ? Series->GetHorizAxis() == aBothHorizAxis || Series->GetHorizontalAxis() == Axis
                : Series->GetVertAxis() == aBothVertAxis || Series->GetVerticalAxis() == Axis;
        if (!Uses) continue;
        if (IsX)
            Take(IsMin ? Series->MinXValue() : Series->MaxXValue());
        else
            Take(IsMin ? Series->MinYValue() : Series->MaxYValue());
    }
    return Result;
}

bool TCustomAxisPanel::CalcIsAxisVisible(const TChartAxis* Axis) const {
    if (!FAxisVisible || !Axis->GetVisible()) return false;
    if (Axis->GetIsDepthAxis()) return GetView3D();
    bool Result = true;
    for (int Index = 0; Index < SeriesCount(); ++Index) {
        const TChartSeries* Series = GetSeries(Index);
        if (!Series->GetActive()) continue;
        if (!Series->UseAxis()) return false;
        Result = Series->AssociatedToAxis(Axis);
        if (Result) return true;
    }
    return Result;
}

// ---------------------------------------------------------------- axis range

bool TChartAxis::IsDateTime() const {
    for (int Index = 0; Index < FParentChart->SeriesCount(); ++Index) {
        const TChartSeries* Series = FParentChart->GetSeries(Index);
        if (!Series->GetActive()) continue;
        if (const TChartValueList* Values = Series->ValueListOfAxis(this)) return Values->GetDateTime();
    }
    return false;
}

void TChartAxis::CalcMinMax(double& AMin, double& AMax) const {
    if (FAutomatic || FAutomaticMinimum) AMin = FParentChart->InternalMinMax(this, true, FHorizontal);
    if (FAutomatic || FAutomaticMaximum) AMax = FParentChart->InternalMinMax(this, false, FHorizontal);
}

void TChartAxis::AdjustMaxMin() {
    CalcMinMax(FMinimum, FMaximum);
    FRangeMinimum = FMinimum;
    FRangeMaximum = FMaximum;
    InternalCalcRange();
}

void TChartAxis::InternalCalcRange() {
    FRangeSpan = FRangeMaximum - FRangeMinimum;
    FRangeIsZero = FRangeSpan == 0;
    FPixelsPerValue = FRangeIsZero ? 0 : FPixelSize / FRangeSpan;
    if (FLogarithmic) {
        FLogRangeMinimum = FRangeMinimum > 0 ? std::log(FRangeMinimum) : 0;
        FLogRangeMaximum = FRangeMaximum > 0 ? std::log(FRangeMaximum) : 0;
        FLogRangeSpan = FLogRangeMaximum - FLogRangeMinimum;
        FPixelsPerLogValue = FLogRangeSpan == 0 ? 0 : FPixelSize / FLogRangeSpan;
    }
    FDepthPixelPos = CalcZPos();
    FMappingStale = true;
}

int TChartAxis::CalcZPos() const {
    const double Extent = FIsDepthAxis ? FParentChart->GetChartHeight() : FParentChart->GetWidth3D();
    return Round(FZPosition * 0.01 * Extent);
}

void TChartAxis::InternalCalcPositions() {
    int Origin = 0;
    int Extent = FParentChart->GetWidth3D();
    if (!FIsDepthAxis) {
        const TRect& R = FParentChart->GetChartRect();
        Origin = FHorizontal ? R.Left : R.Top;
        Extent = FHorizontal ? FParentChart->GetChartWidth() : FParentChart->GetChartHeight();
    }
    FPixelStart = AddOffset(Origin, Extent * 0.01 * FStartPosition);
    FPixelEnd = AddOffset(Origin, Extent * 0.01 * FEndPosition);
    RecalcSizeCenter();
}

void TChartAxis::RecalcSizeCenter() {
    FPixelSize = FPixelEnd - FPixelStart;
    FPixelCenter = (FPixelStart + FPixelEnd) / 2;
    InternalCalcRange();
}

void TChartAxis::AdjustMaxMinRect(const TRect& Margins) {
    const int Low = FHorizontal ? Margins.Left : Margins.Top;
    const int High = FHorizontal ? Margins.Right : Margins.Bottom;
    const int OldStart = FPixelStart;
    const int OldEnd = FPixelEnd;
    // Margins come from series (a pointer's size, say) and may reach the ends of int.
    FPixelStart = AddOffset(FPixelStart, Low);
    FPixelEnd = AddOffset(FPixelEnd, -static_cast<double>(High));
    FPixelSize = FPixelEnd - FPixelStart;
    const double NewLow = CalcPosPoint(OldStart);
    const double NewHigh = CalcPosPoint(OldEnd);
    InternalCalcPositions();
    FRangeMaximum = NewHigh;
    FRangeMinimum = NewLow;
    if (FRangeMinimum > FRangeMaximum) std::swap(FRangeMinimum, FRangeMaximum);
    InternalCalcRange();
    // Offsets change the labels, and with them the title's distance.
    if (FMinimumOffset != 0 || FMaximumOffset != 0) FTitlePos = InflateAxisPos(FLabelsPos, SizeLabels());
}

void TChartAxis::SetMinMax(double AMin, double AMax) {
    // A range is never built from a non-finite end; an axis that is, through
    // others, its own master takes its range only once.
    if (!std::isfinite(AMin) || !std::isfinite(AMax) || FSettingScales) return;
    FAutomatic = false;
    FAutomaticMinimum = false;
    FAutomaticMaximum = false;
    if (AMin > AMax) std::swap(AMin, AMax);
    SetDoubleProperty(FMinimum, AMin);
    SetDoubleProperty(FMaximum, AMax);
    if (FMaximum - FMinimum < MinAxisRange) SetDoubleProperty(FMaximum, FMinimum + MinAxisRange);
    FSettingScales = true;
    FParentChart->GetCustomAxes()->ResetScales(this);
    FSettingScales = false;
}

void TChartAxis::Scroll(double Offset, bool CheckLimits) {
    if (!std::isfinite(Offset)) return;
    if (CheckLimits) {
        const bool Up = Offset > 0 && FParentChart->InternalMinMax(this, false, FHorizontal) > FMaximum;
        const bool Down = Offset < 0 && FParentChart->InternalMinMax(this, true, FHorizontal) < FMinimum;
        if (!Up && !Down) return;
    }
    FAutomatic = false;
    FAutomaticMinimum = false;
    FAutomaticMaximum = false;
    FMaximum += Offset;
    FMinimum += Offset;
    Repaint();
}

// ---------------------------------------------------------------- value to pixel

TAxisMapping TChartAxis::MappingOf(TAxisMappingKind Kind) const {
    TAxisScale Scale;
    Scale.Kind = Kind;
    Scale.Inverted = FInverted;
    Scale.PixelStart = FPixelStart;
    Scale.PixelEnd = FPixelEnd;
    Scale.PixelCenter = FPixelCenter;
    Scale.RangeIsZero = FRangeIsZero;
    Scale.RangeMinimum = FRangeMinimum;
    Scale.RangeMaximum = FRangeMaximum;
    Scale.PixelsPerValue = FPixelsPerValue;
    Scale.LogRangeIsZero = FLogRangeSpan == 0;
    Scale.LogRangeMinimum = FLogRangeMinimum;
    Scale.LogRangeMaximum = FLogRangeMaximum;
    Scale.PixelsPerLogValue = FPixelsPerLogValue;
    return TAxisMapping(Scale);
}

void TChartAxis::BuildMapping() const {
    TAxisMappingKind Kind = amChecked;
    if (FIsDepthAxis)
        Kind = amDepth;
    else if (FLogarithmic)
        Kind = amLogarithmic;
    else if (FParentChart->GetAxes()->GetFastCalc())
        Kind = amUnchecked;
    FMapping = MappingOf(Kind);
    FMappingStale = false;
}

int TChartAxis::XPosValue(double Value) const { return MappingOf(amUnchecked).X.Map(Value); }

int TChartAxis::YPosValue(double Value) const { return MappingOf(amUnchecked).Y.Map(Value); }

int TChartAxis::XPosValueCheck(double Value) const { return MappingOf(amChecked).X.Map(Value); }

int TChartAxis::YPosValueCheck(double Value) const { return MappingOf(amChecked).Y.Map(Value); }

int TChartAxis::LogXPosValue(double Value) const { return MappingOf(amLogarithmic).X.Map(Value); }

int TChartAxis::LogYPosValue(double Value) const { return MappingOf(amLogarithmic).Y.Map(Value); }

int TChartAxis::InternalCalcDepthPosValue(double Value) const { return MappingOf(amDepth).X.Map(Value); }

// ---------------------------------------------------------------- pixel to value

double TChartAxis::CalcPosPoint(int Pixel) const {
    if (FLogarithmic) {
        const bool HighAtStart = FHorizontal == FInverted;
        if (Pixel == FPixelStart) return HighAtStart ? FRangeMaximum : FRangeMinimum;
        if (Pixel == FPixelEnd) return HighAtStart ? FRangeMinimum : FRangeMaximum;
        if (FLogRangeSpan == 0 || FPixelSize == 0) return FRangeMinimum;
        const double T = static_cast<double>(FInverted ? FPixelEnd - Pixel : Pixel - FPixelStart) *
                         FLogRangeSpan / FPixelSize;
        return FHorizontal ? std::exp(FLogRangeMinimum + T) : std::exp(FLogRangeMaximum - T);
    }
    if (FPixelSize < 1) return 0;
    const double T =
        static_cast<double>(FInverted ? FPixelEnd - Pixel : Pixel - FPixelStart) * FRangeSpan / FPixelSize;
    return FHorizontal ? FRangeMinimum + T : FRangeMaximum - T;
}

int TChartAxis::CalcSizeValue(double Value) const {
    if (!(Value > 0)) return 0;
    if (FLogarithmic)
        return FLogRangeSpan != 0 ? RoundWithin(std::log(Value) * FPixelsPerLogValue, PixelLimit) : 0;
    return FRangeSpan != 0 ? RoundWithin(Value * FPixelsPerValue, PixelLimit) : 0;
}

} // namespace vur
