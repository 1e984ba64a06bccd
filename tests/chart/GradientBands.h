// The colours a straight gradient's bands take, worked out from the band
// rules alone, for tests that probe gradient fills.
#pragma once

#include "framework/Types.h"

#include <algorithm>

namespace vur::test {

// Channel by channel, S + I * (E - S) div N (the balance-50 rule).
inline TColor Linear(TColor S, TColor E, long long I, long long N) {
    TColor Result = 0;
    for (int Shift = 0; Shift < 24; Shift += 8) {
        const long long A = (S >> Shift) & 0xFF, B = (E >> Shift) & 0xFF;
        Result |= static_cast<TColor>(A + I * (B - A) / N) << Shift;
    }
    return Result;
}

// The colour a straight fill over [Lo, Hi) gives position P: band 0 lies at
// the Hi end (the bottom row, the right column); clNone outside.
inline TColor BandColor(TColor S, TColor E, int Lo, int Hi, int P) {
    const int Extent = Hi - Lo, Steps = std::min(Extent, 256);
    for (int I = 0; I < Steps; ++I)
        if (P >= Hi - (I + 1) * Extent / Steps && P < Hi - I * Extent / Steps)
            return Linear(S, E, I, Steps - 1);
    return clNone;
}

} // namespace vur::test
