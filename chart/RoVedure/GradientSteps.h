// The colours of a gradient's bands: step I out of N between a start and an
// end colour. With balance 50 each channel moves linearly, S + I * D div N,
// so step 0 is the start colour and step N the end colour exactly; any other
// balance bends the progression: x = ((I + 1) / (N + 1)) ^ (0.015 * Balance
// + 0.5) and each channel is S + Round(D * x).
#pragma once

#include "framework/Types.h"

namespace vur {

class TGradientSteps {
public:
    // System colours are resolved to RGB first.
    TGradientSteps(TColor Start, TColor End, int Balance);

    // N >= 1; I from 0 to N.
    TColor Color(long long I, long long N) const;

private:
    int FBalance;
    int FStart[3];
    int FDelta[3];
};

// Red, green and blue (system colours resolved) averaged with integer
// division, as one grey: what a monochrome canvas shows.
TColor GreyOf(TColor Color);

} // namespace vur
