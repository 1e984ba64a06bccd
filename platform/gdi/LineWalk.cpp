#include "platform/gdi/LineWalk.h"

#include <algorithm>
#include <cstdlib>

namespace vur::gdi {

namespace detail {

namespace {

// Far beyond any device; keeps every product below 2^62.
constexpr std::int64_t Limit = std::int64_t{1} << 27;

std::int64_t FloorDiv(std::int64_t A, std::int64_t B) {
    std::int64_t Q = A / B;
    if ((A % B != 0) && ((A < 0) != (B < 0))) --Q;
    return Q;
}
std::int64_t CeilDiv(std::int64_t A, std::int64_t B) { return -FloorDiv(-A, B); }

} // namespace

LineSetup SetupLine(int X0, int Y0, int X1, int Y1, const RECT& Box) {
    LineSetup L;
    const std::int64_t Ax = std::clamp<std::int64_t>(X0, -Limit, Limit);
    const std::int64_t Ay = std::clamp<std::int64_t>(Y0, -Limit, Limit);
    const std::int64_t Dx = std::clamp<std::int64_t>(X1, -Limit, Limit) - Ax;
    const std::int64_t Dy = std::clamp<std::int64_t>(Y1, -Limit, Limit) - Ay;
    if (Dx == 0 && Dy == 0) return L;
    L.XMajor = std::llabs(Dx) > std::llabs(Dy);
    L.DMaj = L.XMajor ? std::llabs(Dx) : std::llabs(Dy);
    L.DMin = L.XMajor ? std::llabs(Dy) : std::llabs(Dx);
    L.MajorStep = (L.XMajor ? Dx : Dy) > 0 ? 1 : -1;
    L.MinorStep = (L.XMajor ? Dy : Dx) >= 0 ? 1 : -1;
    L.Bias = (L.XMajor ? Dy : Dx) < 0 ? 1 : 0;
    L.Major = L.XMajor ? Ax : Ay;
    L.Minor = L.XMajor ? Ay : Ax;
    L.Steps = L.DMaj;

    // Both ends inside the box: no cutting needed.
    const auto Inside = [&](std::int64_t X, std::int64_t Y) {
        return X >= Box.left && X < Box.right && Y >= Box.top && Y < Box.bottom;
    };
    if (Inside(Ax, Ay) && Inside(Ax + Dx, Ay + Dy)) {
        L.First = 0;
        L.Last = L.Steps - 1;
        L.Err = 2 * L.DMin - L.DMaj;
        return L;
    }
    // Visible range of the major coordinate.
    const std::int64_t MajLo = L.XMajor ? Box.left : Box.top, MajHi = (L.XMajor ? Box.right : Box.bottom) - 1;
    const std::int64_t MinLo = L.XMajor ? Box.top : Box.left, MinHi = (L.XMajor ? Box.bottom : Box.right) - 1;
    if (MajLo > MajHi || MinLo > MinHi) return L;
    std::int64_t First = 0, Last = L.Steps - 1;
    if (L.MajorStep > 0) {
        First = std::max(First, MajLo - L.Major);
        Last = std::min(Last, MajHi - L.Major);
    } else {
        First = std::max(First, L.Major - MajHi);
        Last = std::min(Last, L.Major - MajLo);
    }
    // Visible range of the minor offset, turned into steps.
    const std::int64_t KLo = L.MinorStep > 0 ? MinLo - L.Minor : L.Minor - MinHi;
    const std::int64_t KHi = L.MinorStep > 0 ? MinHi - L.Minor : L.Minor - MinLo;
    if (L.DMin == 0) {
        if (KLo > 0 || KHi < 0) return L;
    } else {
        First = std::max(First, CeilDiv(2 * KLo * L.DMaj - L.DMaj - L.Bias + 1, 2 * L.DMin));
        Last = std::min(Last, CeilDiv(2 * (KHi + 1) * L.DMaj - L.DMaj - L.Bias + 1, 2 * L.DMin) - 1);
    }
    if (First > Last) return L;
    L.First = First;
    L.Last = Last;
    L.MinorOffset = FloorDiv(2 * First * L.DMin + L.DMaj + L.Bias - 1, 2 * L.DMaj);
    L.Err = 2 * L.DMin * (First + 1) - L.DMaj - 2 * L.DMaj * L.MinorOffset;
    return L;
}

} // namespace detail

void CosmeticLine(Painter& Target, int X0, int Y0, int X1, int Y1, const LineInk& Ink, PixelDash& Dash) {
    const ClipArea& Clip = Target.Clip();
    if (Dash.Solid() && !Clip.Shape && Target.CopiesPen()) {
        // The common case: straight stores.
        Bitmap& Surface = Target.Target();
        const std::uint32_t Pixel = Ink.Pen & 0xFFFFFF;
        WalkLine(X0, Y0, X1, Y1, Clip.Box, [&](int X, int Y, std::int64_t) { Surface.Row(Y)[X] = Pixel; });
        return;
    }
    std::int64_t Done = 0;
    const std::int64_t Steps = WalkLine(X0, Y0, X1, Y1, Clip.Box, [&](int X, int Y, std::int64_t I) {
        Dash.Skip(I - Done);
        Done = I + 1;
        if (Dash.On())
            Target.PlotInBox(X, Y, Ink.Pen);
        else if (Ink.Opaque)
            Target.PlotInBox(X, Y, Ink.Back);
        Dash.Step();
    });
    Dash.Skip(Steps - Done);
}

} // namespace vur::gdi
