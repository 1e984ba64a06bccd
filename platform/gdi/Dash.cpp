#include "platform/gdi/Dash.h"

#include <algorithm>
#include <cmath>

namespace vur::gdi {

PixelDash::PixelDash(std::span<const double> Dashes) {
    const int Count = static_cast<int>(std::min<std::size_t>(Dashes.size(), 16) & ~std::size_t{1});
    for (int I = 0; I < Count; ++I) {
        // Whole lengths, the usual case, need no rounding call.
        const double D = Dashes[I];
        FLengths[I] = D >= 0 && D <= (1 << 20) && D == static_cast<int>(D)
                          ? static_cast<int>(D)
                          : static_cast<int>(std::clamp(std::lround(D), 0L, 1L << 20));
        FPeriod += FLengths[I];
    }
    // Without a positive dash and a positive gap the line is solid.
    bool AnyOn = false, AnyOff = false;
    for (int I = 0; I < Count; ++I) (I % 2 ? AnyOff : AnyOn) |= FLengths[I] > 0;
    FCount = AnyOn && AnyOff ? Count : 0;
    Restart();
}

void PixelDash::Restart() {
    if (FCount == 0) return;
    FPos = 0;
    FIndex = FCount - 1;
    Next();
}

} // namespace vur::gdi
