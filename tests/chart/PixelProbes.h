// Probes that read a painted picture back: how much ink, where it landed,
// where grid lines go.
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

// How many pixels of Box pass Test(X, Y).
template <class TTest>
int CountPixels(const TRect& Box, TTest Test) {
    int N = 0;
    for (int Y = Box.Top; Y < Box.Bottom; ++Y)
        for (int X = Box.Left; X < Box.Right; ++X) N += Test(X, Y) ? 1 : 0;
    return N;
}

// Recorded tick positions strictly inside the axis, where grid lines go.
inline std::vector<int> InnerTickPositions(const TChartAxis* Axis) {
    std::vector<int> Result;
    for (const int P : Axis->GetTickPositions())
        if (Axis->GetPixelStart() < P && P < Axis->GetPixelEnd()) Result.push_back(P);
    return Result;
}

} // namespace vur::test
