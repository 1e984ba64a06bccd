#include "platform/gdi/Dash.h"

#include <algorithm>
#include <cmath>

namespace vur::gdi {

namespace {

// Whole lengths, the usual case, need no rounding call.
int Whole(double D) {
    return D >= 0 && D <= (1 << 20) && D == static_cast<int>(D)
               ? static_cast<int>(D)
               : static_cast<int>(std::clamp(std::lround(D), 0L, 1L << 20));
}

} // namespace

PixelDash::PixelDash(std::span<const double> Dashes) {
    const int Count = static_cast<int>(std::min<std::size_t>(Dashes.size(), MaxRuns) & ~std::size_t{1});
    int On = 0, Off = 0;
    for (int I = 0; I < Count; I += 2) {
        FLengths[I] = Whole(Dashes[I]);
        FLengths[I + 1] = Whole(Dashes[I + 1]);
        On += FLengths[I];
        Off += FLengths[I + 1];
    }
    // Without a positive dash and a positive gap the line is solid.
    FPeriod = On + Off;
    FCount = On > 0 && Off > 0 ? Count : 0;
    Restart();
}

void PixelDash::Skip(std::int64_t Count) {
    if (FCount == 0 || Count <= 0) return;
    // The place Count pixels on, found from the start of the pattern.
    std::int64_t Pos = FPos + Count % FPeriod;
    if (Pos >= FPeriod) Pos -= FPeriod;
    FPos = Pos;
    for (FIndex = 0; Pos >= FLengths[FIndex]; ++FIndex) Pos -= FLengths[FIndex];
    FLeft = static_cast<int>(FLengths[FIndex] - Pos);
}

void PixelDash::Restart() {
    if (FCount == 0) return;
    FPos = 0;
    FIndex = FCount - 1;
    Next();
}

} // namespace vur::gdi
