// Values to pixels along an axis: a small value the axis builds from its range
// and pixel ends whenever they change, so that a paint maps every point through
// fixed numbers. The X form counts from the start pixel and the Y form back
// from the end pixel (the other way round on an inverted axis); each maps one
// value or a whole run, with the same result either way. Rounding is to
// nearest with ties to even: the checked linear form rounds the position
// itself, every other form the offset from an end, which it then adds.
#pragma once

#include "platform/numeric/Rounding.h"

#include <cstdint>
#include <span>

namespace vur {

// Checked positions stay within +-PixelLimit.
inline constexpr int PixelLimit = 0x3FFFFFF;

// Clamped linear (the default), unclamped linear (the chart's FastCalc),
// logarithmic, or into the depth of a 3D chart.
enum TAxisMappingKind : std::uint8_t { amChecked, amUnchecked, amLogarithmic, amDepth };

// The run-time state of an axis that its mapping reads.
struct TAxisScale {
    TAxisMappingKind Kind = amChecked;
    bool Inverted = false;
    int PixelStart = 0;
    int PixelEnd = 0;
    int PixelCenter = 0;
    bool RangeIsZero = true;
    double RangeMinimum = 0;
    double RangeMaximum = 0;
    double PixelsPerValue = 0;
    bool LogRangeIsZero = true;
    double LogRangeMinimum = 0;
    double LogRangeMaximum = 0;
    double PixelsPerLogValue = 0;
};

// One direction of travel along an axis.
class TPixelMapping {
public:
    int Map(double Value) const;
    // Map of every value into Pixels, of the same size.
    void Map(std::span<const double> Values, std::span<int> Pixels) const;
    // The same mapping with every pixel moved by Delta.
    TPixelMapping Shifted(int Delta) const;

private:
    friend struct TAxisMapping;
    enum TForm : std::uint8_t { pfCentre, pfChecked, pfUnchecked, pfLogarithmic };

    int MapLogarithmic(double Value) const;

    TForm FForm = pfCentre;
    // Unchecked: the rounded offset is taken away from the base.
    bool FNegate = false;
    // The pixel of FOrigin; for pfCentre the only pixel there is.
    int FBase = 0;
    // Logarithmic: the pixel of values without a logarithm (0 and below).
    int FLow = 0;
    double FOrigin = 0;
    // Pixels per value, negative where the pixels run against the values
    // (the sign is exact, so it may go into the scale).
    double FScale = 0;
};

struct TAxisMapping {
    TAxisMapping() = default;
    explicit TAxisMapping(const TAxisScale& Scale);
    TAxisMapping Shifted(int Delta) const { return TAxisMapping{X.Shifted(Delta), Y.Shifted(Delta)}; }

    TPixelMapping X;
    TPixelMapping Y;

private:
    TAxisMapping(const TPixelMapping& AX, const TPixelMapping& AY) : X(AX), Y(AY) {}
};

inline int TPixelMapping::Map(double Value) const {
    switch (FForm) {
    case pfChecked:
        return RoundWithin(FBase + (Value - FOrigin) * FScale, PixelLimit);
    case pfUnchecked: {
        // The offset stays within +-PixelLimit and the sum wraps instead of
        // overflowing, so every input is defined.
        const int R = RoundWithin((Value - FOrigin) * FScale, PixelLimit);
        return static_cast<int>(static_cast<unsigned>(FBase) + static_cast<unsigned>(FNegate ? -R : R));
    }
    case pfLogarithmic:
        return MapLogarithmic(Value);
    case pfCentre:
        break;
    }
    return FBase;
}

} // namespace vur
