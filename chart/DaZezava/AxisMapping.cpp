#include "chart/DaZezava/AxisMapping.h"

#include <cmath>
#include <cstddef>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vur {

namespace {

int WrapAdd(int A, int B) { return static_cast<int>(static_cast<unsigned>(A) + static_cast<unsigned>(B)); }

// Pixels[I] = Base +- RoundWithin(Offset + (Values[I] - Origin) * Scale), the sum
// wrapping: both linear forms of a whole run. The vector steps do the same
// operations in the same order, and their conversion rounds in the current
// mode as RoundWithin does, so every pixel equals the one-value form.
void MapRun(std::span<const double> Values, std::span<int> Pixels, double Origin, double Scale, double Offset,
            int Base, bool Negate) {
    const std::size_t Count = Values.size();
    std::size_t I = 0;
#if defined(__SSE2__)
    const __m128d VOrigin = _mm_set1_pd(Origin);
    const __m128d VScale = _mm_set1_pd(Scale);
    const __m128d VOffset = _mm_set1_pd(Offset);
    const __m128d High = _mm_set1_pd(PixelLimit);
    const __m128d Low = _mm_set1_pd(-PixelLimit);
    const __m128i VBase = _mm_set1_epi32(Base);
    const __m128i Flip = _mm_set1_epi32(Negate ? -1 : 0);
    const auto Map = [&](__m128d V) {
        V = _mm_add_pd(VOffset, _mm_mul_pd(_mm_sub_pd(V, VOrigin), VScale));
        V = _mm_and_pd(V, _mm_cmpord_pd(V, V)); // not-a-number becomes 0, as in RoundWithin
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
        const int R = RoundWithin(Offset + (Values[I] - Origin) * Scale, PixelLimit);
        Pixels[I] = WrapAdd(Base, Negate ? -R : R);
    }
}

} // namespace

TAxisMapping::TAxisMapping(const TAxisScale& Scale) {
    X.FBase = Y.FBase = Scale.PixelCenter;
    const bool Flat = Scale.Kind == amLogarithmic ? Scale.LogRangeIsZero : Scale.RangeIsZero;
    if (Flat) return;
    // X runs from the start pixel and Y back from the end one; inverted, the
    // other way round.
    const auto Linear = [&](TPixelMapping& M, bool FromStart) {
        M.FBase = FromStart ? Scale.PixelStart : Scale.PixelEnd;
        M.FOrigin = Scale.RangeMinimum;
        if (Scale.Kind == amUnchecked) {
            M.FForm = TPixelMapping::pfUnchecked;
            M.FScale = Scale.PixelsPerValue;
            M.FNegate = !FromStart;
        } else {
            M.FForm = TPixelMapping::pfChecked;
            M.FScale = FromStart ? Scale.PixelsPerValue : -Scale.PixelsPerValue;
        }
    };
    switch (Scale.Kind) {
    case amChecked:
    case amUnchecked:
        Linear(X, !Scale.Inverted);
        Linear(Y, Scale.Inverted);
        break;
    case amLogarithmic:
        // Both forms keep their end; inverted, the offset counts from the
        // high end of the range instead.
        for (TPixelMapping* M : {&X, &Y}) {
            const bool AtStart = M == &X;
            M->FForm = TPixelMapping::pfLogarithmic;
            M->FBase = AtStart ? Scale.PixelStart : Scale.PixelEnd;
            M->FLow = AtStart != Scale.Inverted ? Scale.PixelStart : Scale.PixelEnd;
            M->FOrigin = Scale.Inverted ? Scale.LogRangeMaximum : Scale.LogRangeMinimum;
            M->FScale = AtStart != Scale.Inverted ? Scale.PixelsPerLogValue : -Scale.PixelsPerLogValue;
        }
        break;
    case amDepth:
        // Depth counts from 0, the front of the chart, not from an end.
        X.FForm = TPixelMapping::pfChecked;
        X.FBase = 0;
        X.FOrigin = Scale.Inverted ? Scale.RangeMaximum : Scale.RangeMinimum;
        X.FScale = Scale.Inverted ? -Scale.PixelsPerValue : Scale.PixelsPerValue;
        Y = X;
        break;
    }
}

int TPixelMapping::MapLogarithmic(double Value) const {
    if (Value <= 0) return FLow;
    const std::int64_t Pixel =
        std::int64_t{FBase} + RoundWithin((std::log(Value) - FOrigin) * FScale, PixelLimit);
    return static_cast<int>(std::clamp<std::int64_t>(Pixel, -PixelLimit, PixelLimit));
}

void TPixelMapping::Map(std::span<const double> Values, std::span<int> Pixels) const {
    switch (FForm) {
    case pfChecked:
        MapRun(Values, Pixels, FOrigin, FScale, FBase, 0, false);
        return;
    case pfUnchecked:
        MapRun(Values, Pixels, FOrigin, FScale, 0.0, FBase, FNegate);
        return;
    case pfLogarithmic:
    case pfCentre:
        break;
    }
    for (std::size_t I = 0; I < Values.size(); ++I) Pixels[I] = Map(Values[I]);
}

TPixelMapping TPixelMapping::Shifted(int Delta) const {
    TPixelMapping Result = *this;
    Result.FBase = WrapAdd(FBase, Delta);
    Result.FLow = WrapAdd(FLow, Delta);
    return Result;
}

} // namespace vur
