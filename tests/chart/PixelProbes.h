// Probes that read a painted chart back: where ink landed, where grid lines go.
#pragma once

#include "chart/DaZezava/Axis.h"
#include "framework/Types.h"

#include <algorithm>
#include <vector>

namespace vur::test {

// The smallest rectangle holding every pixel of Box for which Test(X, Y)
// holds; inverted (Left > Right) when none does.
template <class TTest>
TRect InkBox(const TRect& Box, TTest Test) {
    TRect Result{Box.Right, Box.Bottom, Box.Left, Box.Top};
    for (int Y = Box.Top; Y < Box.Bottom; ++Y)
        for (int X = Box.Left; X < Box.Right; ++X)
            if (Test(X, Y)) {
                Result.Left = std::min(Result.Left, X);
                Result.Top = std::min(Result.Top, Y);
                Result.Right = std::max(Result.Right, X + 1);
                Result.Bottom = std::max(Result.Bottom, Y + 1);
            }
    return Result;
}

// Recorded tick positions strictly inside the axis, where grid lines go.
inline std::vector<int> InnerTickPositions(const TChartAxis* Axis) {
    std::vector<int> Result;
    for (const int P : Axis->GetTickPositions())
        if (Axis->GetPixelStart() < P && P < Axis->GetPixelEnd()) Result.push_back(P);
    return Result;
}

} // namespace vur::test
