#include "chart/RoVedure/GradientSteps.h"

#include "framework/SystemColors.h"
#include "platform/numeric/Rounding.h"

#include <algorithm>
#include <cmath>

namespace vur {

namespace {

int Channel(TColor Color, int Index) { return static_cast<int>((Color >> (8 * Index)) & 0xFF); }

} // namespace

TGradientSteps::TGradientSteps(TColor Start, TColor End, int Balance) : FBalance(Balance) {
    const TColor S = ColorToRGB(Start) & 0xFFFFFF;
    const TColor E = ColorToRGB(End) & 0xFFFFFF;
    for (int C = 0; C < 3; ++C) {
        FStart[C] = Channel(S, C);
        FDelta[C] = Channel(E, C) - FStart[C];
    }
}

TColor TGradientSteps::Color(long long I, long long N) const {
    TColor Result = 0;
    if (FBalance == 50) {
        for (int C = 0; C < 3; ++C) Result |= static_cast<TColor>(FStart[C] + I * FDelta[C] / N) << (8 * C);
        return Result;
    }
    const double X =
        std::pow((static_cast<double>(I) + 1) / (static_cast<double>(N) + 1), 0.015 * FBalance + 0.5);
    for (int C = 0; C < 3; ++C)
        Result |= static_cast<TColor>(std::clamp(FStart[C] + Round(FDelta[C] * X), 0, 255)) << (8 * C);
    return Result;
}

TColor GreyOf(TColor Color) {
    const TColor RGB = ColorToRGB(Color);
    const TColor Grey = static_cast<TColor>(Channel(RGB, 0) + Channel(RGB, 1) + Channel(RGB, 2)) / 3;
    return Grey | (Grey << 8) | (Grey << 16);
}

} // namespace vur
