// Gradient fills of the chart canvas: bands of solid colour stepping from a
// start colour to an end colour. Straight directions paint at most 256
// bands, step 0 at the bottom (right) edge; rings from the centre, the
// corner staircases and the diagonals colour each pixel by its band, so
// that only the pixels the surface shows cost work.
#include "chart/RoVedure/Geometry.h"
#include "chart/RoVedure/Gradient.h"
#include "chart/RoVedure/GradientPainter.h"
#include "chart/RoVedure/GradientSteps.h"
#include "chart/RoVedure/VurCanvas3D.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace vur {

namespace {

// gdFromCenter paints rings from the outside in: ring k has c = min(k, H)
// and d = min(k, W) (W, H the half sizes), colour step c + d, and four
// one-pixel strips: columns Left + d and Right - d - 1 over the rows Top + c
// to Bottom - c, rows Top + c and Bottom - c - 1 over the columns Left + d
// to Right - d. This is the step of the last ring that covers the pixel
// A, A2 columns from the left and right edges and B, B2 rows from the top
// and bottom ones.
long long CenterRingStep(long long A, long long A2, long long B, long long B2, long long W, long long H) {
    const long long DX = std::min(A, A2), DY = std::min(B, B2), K = std::max(W, H);
    long long Ring = -1;
    // Columns: ring k < W stands on column k from either edge; every ring
    // from W on stands on column W.
    for (const long long Column : {A, A2})
        if (Column < W && std::min(Column, H) <= DY) Ring = std::max(Ring, Column);
    if (A == W || A2 == W) {
        if (DY >= H)
            Ring = K;
        else if (DY >= W)
            Ring = std::max(Ring, DY);
    }
    // Rows, the same way round.
    for (const long long Row : {B, B2})
        if (Row < H && std::min(Row, W) <= DX) Ring = std::max(Ring, Row);
    if (B == H || B2 == H) {
        if (DX >= W)
            Ring = K;
        else if (DX >= H)
            Ring = std::max(Ring, DX);
    }
    return std::min(Ring, H) + std::min(Ring, W);
}

} // namespace

void TVurCanvas3D::GradientFill(const TRect& Rect, TColor StartColor, TColor EndColor,
                                TGradientDirection Direction, int Balance) {
    if (!FCanvas) return;
    const TRect R = OrientRectangle(Rect);
    if (Direction == gdRadial) {
        TCustomVurGradient Radial;
        Radial.SetStartColor(StartColor);
        Radial.SetEndColor(EndColor);
        Radial.SetBalance(Balance);
        Radial.DrawRadial(*this, R);
        return;
    }
    if (Direction == gdBottomTop || Direction == gdRightLeft || Direction == gdFromCenter ||
        Direction == gdFromTopLeft || Direction == gdFromBottomLeft)
        std::swap(StartColor, EndColor);
    const long long Width = std::int64_t{R.Right} - R.Left, Height = std::int64_t{R.Bottom} - R.Top;
    TGradientPainter Painter(*this);
    const TRect Shown = Painter.Visible(R);
    if (Width <= 0 || Height <= 0 || Shown.Right <= Shown.Left || Shown.Bottom <= Shown.Top) return;
    const TGradientSteps Colors(StartColor, EndColor, Balance);
    switch (Direction) {
    case gdTopBottom:
    case gdBottomTop:
    case gdLeftRight:
    case gdRightLeft: {
        const bool Vertical = Direction == gdTopBottom || Direction == gdBottomTop;
        const long long E = Vertical ? Height : Width;
        const long long Steps = std::min<long long>(E, 256);
        const long long N = Steps - 1;
        if (N <= 0) return;
        // Band I covers E * I / Steps to E * (I + 1) / Steps from the
        // bottom (right) edge.
        const auto From = [&](long long I) { return static_cast<int>((I + 1) * E / Steps); };
        const auto To = [&](long long I) { return static_cast<int>(I * E / Steps); };
        const int Far = Vertical ? R.Bottom : R.Right;
        Painter.FillBands(R, Vertical, Steps, [&](long long I) {
            return std::tuple{Far - From(I), Far - To(I), Colors.Color(I, N)};
        });
        return;
    }
    case gdFromCenter: {
        const long long W = Width / 2, H = Height / 2, N = W + H;
        if (N <= 0) return;
        Painter.FillPixels(
            R,
            [&](int X, int Y) {
                return CenterRingStep(std::int64_t{X} - R.Left, std::int64_t{R.Right} - 1 - X,
                                      std::int64_t{Y} - R.Top, std::int64_t{R.Bottom} - 1 - Y, W, H);
            },
            [&](long long Step) { return Colors.Color(Step, N); });
        return;
    }
    default: {
        // A pixel K columns and rows away from the starting corner (x + y)
        // lies on band K: a staircase of one-pixel columns and rows.
        const bool FromBottom = Direction == gdFromBottomLeft || Direction == gdDiagonalUp;
        const bool Diagonal = Direction == gdDiagonalUp || Direction == gdDiagonalDown;
        const long long Steps = Width + Height;
        const long long N = Diagonal ? std::min<long long>(255, Steps - 1) : Steps;
        const auto Band = [&](int X, int Y) {
            return std::int64_t{X} - R.Left +
                   (FromBottom ? std::int64_t{R.Bottom} - 1 - Y : std::int64_t{Y} - R.Top);
        };
        if (Diagonal)
            Painter.FillPixels(R, Band, [&](long long K) { return Colors.Color(K * N / Steps, N); });
        else
            Painter.FillPixels(R, Band, [&](long long K) { return Colors.Color(K, N); });
        return;
    }
    }
}

} // namespace vur
