#include "chart/RoVedure/Colors.h"

#include "framework/SystemColors.h"

#include <algorithm>

namespace vur {

namespace {

TColor Shift(TColor Color, int Delta) {
    const TColor C = ColorToRGB(Color);
    TColor Result = 0;
    for (int Channel = 0; Channel < 24; Channel += 8) {
        const int Value = std::clamp(static_cast<int>((C >> Channel) & 0xFF) + Delta, 0, 255);
        Result |= static_cast<TColor>(Value) << Channel;
    }
    return Result;
}

} // namespace

TColor ApplyDark(TColor Color, int Quantity) { return Shift(Color, -std::clamp(Quantity, -255, 255)); }

TColor ApplyBright(TColor Color, int Quantity) { return Shift(Color, std::clamp(Quantity, -255, 255)); }

TColor RGBValue(TColor Color) { return Color & 0xFFFFFF; }

} // namespace vur
