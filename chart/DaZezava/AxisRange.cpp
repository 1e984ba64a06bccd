// The range side of the axes: the data extremes the panel finds for an axis,
// the axis' range and pixel extent in a paint, margins, manual ranges and
// the value-to-pixel mapping chosen once per axis.
#include "chart/DaZezava/Axis.h"

#include "chart/DaZezava/AxisPanel.h"
#include "framework/Rounding.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vur {

namespace {

// Rounds to nearest with ties to even inside +-PixelLimit (adding 1.5 * 2^52
// leaves the integer the default rounding mode chose in the low bits), and
// clamps beyond it; not-a-number goes to the high limit. Branch-free, so runs
// of values map in vector code.
inline int PixelOf(double Position) {
    constexpr double Limit = PixelLimit;
    constexpr double Shifter = 6755399441055744.0;
    Position = std::max(-Limit, std::min(Limit, Position));
    return static_cast<int>(static_cast<std::uint32_t>(std::bit_cast<std::uint64_t>(Position + Shifter)));
}

// Adds a rounded offset to an end pixel without overflowing int.
inline int AddOffset(int Base, double Offset) {
    return static_cast<int>(std::clamp<std::int64_t>(static_cast<std::int64_t>(Base) + Round(Offset),
                                                     std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

inline int WrapAdd(int A, int B) {
    return static_cast<int>(static_cast<unsigned>(A) + static_cast<unsigned>(B));
}

// Pixels[I] = Base +- PixelOf(Offset + (Values[I] - Minimum) * Scale), the
// sum wrapping: both mapping forms of a whole run. The vector steps do the
// same operations in the same order, and their conversion rounds in the
// current mode as PixelOf does, so every pixel equals the one-value form.
void MapRun(std::span<const double> Values, std::span<int> Pixels, double Minimum, double Scale,
            double Offset, int Base, bool Negate) {
    const std::size_t Count = Values.size();
    std::size_t I = 0;
#if defined(__SSE2__)
    const __m128d VMinimum = _mm_set1_pd(Minimum);
    const __m128d VScale = _mm_set1_pd(Scale);
    const __m128d VOffset = _mm_set1_pd(Offset);
    const __m128d High = _mm_set1_pd(PixelLimit);
    const __m128d Low = _mm_set1_pd(-PixelLimit);
    const __m128i VBase = _mm_set1_epi32(Base);
    const __m128i Flip = _mm_set1_epi32(Negate ? -1 : 0);
    const auto Map = [&](__m128d V) {
        V = _mm_add_pd(VOffset, _mm_mul_pd(_mm_sub_pd(V, VMinimum), VScale));
        // min first: a NaN comes out of it as the high limit, as in PixelOf.
        return _mm_cvtpd_epi32(_mm_max_pd(_mm_min_pd(V, High), Low));
    };
    for (; I + 4 <= Count; I += 4) {
        __m128i R = _mm_unpacklo_epi64(Map(_mm_loadu_pd(&Values[I])), Map(_mm_loadu_pd(&Values[I + 2])));
        // Negation as (R ^ -1) - (-1).
        R = _mm_sub_epi32(_mm_xor_si128(R, Flip), Flip);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(&Pixels[I]), _mm_add_epi32(VBase, R));
    }
#endif
    for (; I < Count; ++I) {
        const int R = PixelOf(Offset + (Values[I] - Minimum) * Scale);
        Pixels[I] = WrapAdd(Base, Negate ? -R : R);
    }
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
    FPixelStart += Low;
    FPixelEnd -= High;
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
    // A range is never built from a non-finite end.
    if (!std::isfinite(AMin) || !std::isfinite(AMax)) return;
    FAutomatic = false;
    FAutomaticMinimum = false;
    FAutomaticMaximum = false;
    if (AMin > AMax) std::swap(AMin, AMax);
    SetDoubleProperty(FMinimum, AMin);
    SetDoubleProperty(FMaximum, AMax);
    if (FMaximum - FMinimum < MinAxisRange) SetDoubleProperty(FMaximum, FMinimum + MinAxisRange);
    FParentChart->GetCustomAxes()->ResetScales(this);
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

void TChartAxis::SetCalcPosValue() {
    if (FIsDepthAxis) {
        FCalcXPosValue = &TChartAxis::InternalCalcDepthPosValue;
        FCalcYPosValue = &TChartAxis::InternalCalcDepthPosValue;
    } else if (FLogarithmic) {
        FCalcXPosValue = &TChartAxis::LogXPosValue;
        FCalcYPosValue = &TChartAxis::LogYPosValue;
    } else if (FParentChart->GetAxes()->GetFastCalc()) {
        FCalcXPosValue = &TChartAxis::XPosValue;
        FCalcYPosValue = &TChartAxis::YPosValue;
    } else {
        FCalcXPosValue = &TChartAxis::XPosValueCheck;
        FCalcYPosValue = &TChartAxis::YPosValueCheck;
    }
    FCalcPosValue = FHorizontal ? FCalcXPosValue : FCalcYPosValue;
}

// The unchecked forms round the offset only; it stays within +-PixelLimit
// and the sum wraps instead of overflowing, so every input is defined.
int TChartAxis::XPosValue(double Value) const {
    if (FRangeIsZero) return FPixelCenter;
    const int R = PixelOf((Value - FRangeMinimum) * FPixelsPerValue);
    return FInverted ? WrapAdd(FPixelEnd, -R) : WrapAdd(FPixelStart, R);
}

int TChartAxis::YPosValue(double Value) const {
    if (FRangeIsZero) return FPixelCenter;
    const int R = PixelOf((Value - FRangeMinimum) * FPixelsPerValue);
    return FInverted ? WrapAdd(FPixelStart, R) : WrapAdd(FPixelEnd, -R);
}

void TChartAxis::CalcPosValues(std::span<const double> Values, std::span<int> Pixels, bool AsX) const {
    const TPosValue Chosen = AsX ? FCalcXPosValue : FCalcYPosValue;
    const bool Checked = Chosen == &TChartAxis::XPosValueCheck || Chosen == &TChartAxis::YPosValueCheck;
    const bool Unchecked = Chosen == &TChartAxis::XPosValue || Chosen == &TChartAxis::YPosValue;
    if (FRangeIsZero || !(Checked || Unchecked)) {
        for (std::size_t I = 0; I < Values.size(); ++I) Pixels[I] = (this->*Chosen)(Values[I]);
        return;
    }
    // As the forms above, with the end and the direction fixed for the run.
    const bool FromStart = AsX != FInverted;
    const int Base = FromStart ? FPixelStart : FPixelEnd;
    if (Checked)
        // Turning the sign round is exact, so it may go into the scale.
        MapRun(Values, Pixels, FRangeMinimum, FromStart ? FPixelsPerValue : -FPixelsPerValue, Base, 0, false);
    else
        MapRun(Values, Pixels, FRangeMinimum, FPixelsPerValue, 0.0, Base, !FromStart);
}

int TChartAxis::XPosValueCheck(double Value) const {
    if (FRangeIsZero) return FPixelCenter;
    const double D = (Value - FRangeMinimum) * FPixelsPerValue;
    return PixelOf(FInverted ? FPixelEnd - D : FPixelStart + D);
}

int TChartAxis::YPosValueCheck(double Value) const {
    if (FRangeIsZero) return FPixelCenter;
    const double D = (Value - FRangeMinimum) * FPixelsPerValue;
    return PixelOf(FInverted ? FPixelStart + D : FPixelEnd - D);
}

int TChartAxis::LogXPosValue(double Value) const {
    if (FLogRangeSpan == 0) return FPixelCenter;
    if (Value <= 0) return FInverted ? FPixelEnd : FPixelStart;
    const double Log = std::log(Value);
    const double D = FInverted ? FLogRangeMaximum - Log : Log - FLogRangeMinimum;
    return PixelOf(FPixelStart + D * FPixelsPerLogValue);
}

int TChartAxis::LogYPosValue(double Value) const {
    if (FLogRangeSpan == 0) return FPixelCenter;
    if (Value <= 0) return FInverted ? FPixelStart : FPixelEnd;
    const double Log = std::log(Value);
    const double D = FInverted ? FLogRangeMaximum - Log : Log - FLogRangeMinimum;
    return PixelOf(FPixelEnd - D * FPixelsPerLogValue);
}

int TChartAxis::InternalCalcDepthPosValue(double Value) const {
    if (FRangeIsZero) return FPixelCenter;
    return PixelOf(FInverted ? (FRangeMaximum - Value) * FPixelsPerValue
                             : (Value - FRangeMinimum) * FPixelsPerValue);
}

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
    if (FLogarithmic) return FLogRangeSpan != 0 ? PixelOf(std::log(Value) * FPixelsPerLogValue) : 0;
    return FRangeSpan != 0 ? PixelOf(Value * FPixelsPerValue) : 0;
}

} // namespace vur
