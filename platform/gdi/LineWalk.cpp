#include "platform/gdi/LineWalk.h"

#include "platform/gdi/PixelRun.h"

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

namespace {

// The bitmap's pixels by address, held outside the bitmap so that pixel
// stores cannot be taken to change its size or buffer between two pixels.
struct PixelGrid {
    explicit PixelGrid(Bitmap& Surface) : Base(Surface.Row(0)), Stride(Surface.Stride()) {}
    std::uint32_t& At(int X, int Y) const { return Base[static_cast<std::ptrdiff_t>(Y) * Stride + X]; }
    std::uint32_t* Base;
    std::ptrdiff_t Stride;
};

// A horizontal or vertical line drawn by plain stores: each dash (or the
// whole line when solid) is one run of pixels.
void StraightLine(Bitmap& Surface, const RECT& Box, int X0, int Y0, int X1, int Y1, std::uint32_t Pixel,
                  PixelDash& Dash) {
    const detail::LineSetup L = detail::SetupLine(X0, Y0, X1, Y1, Box);
    PixelDash Local = Dash;
    Local.Skip(L.First);
    if (L.First <= L.Last) {
        const PixelGrid Grid(Surface);
        const std::int64_t Major = L.Major + L.MajorStep * L.First;
        const auto MajorAt = static_cast<int>(Major), MinorAt = static_cast<int>(L.Minor);
        std::uint32_t* At = &Grid.At(L.XMajor ? MajorAt : MinorAt, L.XMajor ? MinorAt : MajorAt);
        const std::ptrdiff_t Step = L.MajorStep * (L.XMajor ? std::ptrdiff_t{1} : Grid.Stride);
        for (std::int64_t Left = L.Last - L.First + 1; Left > 0;) {
            const std::int64_t Count = std::min(Left, Local.RunLeft());
            if (Local.On()) {
                if (Step == 1 || Step == -1)
                    FillPixels(Step == 1 ? At : At - (Count - 1), static_cast<std::size_t>(Count), Pixel);
                else
                    for (std::int64_t K = 0; K < Count; ++K) At[K * Step] = Pixel;
            }
            At += Count * Step;
            Left -= Count;
            Local.Advance(Count);
        }
    }
    Local.Skip(L.Steps - (L.Last + 1));
    Dash = Local;
}

} // namespace

void CosmeticLine(Painter& Target, int X0, int Y0, int X1, int Y1, const LineInk& Ink, PixelDash& Dash) {
    const ClipArea& Clip = Target.Clip();
    if ((X0 == X1 || Y0 == Y1) && !Clip.Shape && Target.CopiesPen() && (Dash.Solid() || !Ink.Opaque)) {
        // Grid lines, ticks, frames and the columns of dense series.
        StraightLine(Target.Target(), Clip.Box, X0, Y0, X1, Y1, Ink.Pen & 0xFFFFFF, Dash);
        return;
    }
    if (Dash.Solid() && !Clip.Shape && Target.CopiesPen()) {
        // The common case: straight stores.
        const PixelGrid Grid(Target.Target());
        const std::uint32_t Pixel = Ink.Pen & 0xFFFFFF;
        WalkLine(X0, Y0, X1, Y1, Clip.Box, [&](int X, int Y, std::int64_t) { Grid.At(X, Y) = Pixel; });
        return;
    }
    // The visible steps are consecutive: the pattern skips the hidden ones
    // before the first and after the last.
    std::int64_t Done = -1;
    const auto Advance = [&](std::int64_t I) {
        if (Done < 0) Dash.Skip(I);
        Done = I + 1;
    };
    std::int64_t Steps = 0;
    if (!Clip.Shape && Target.CopiesPen() && !Ink.Opaque) {
        // Dotted grid lines: plain stores of the dashes. The pattern is
        // walked in a local copy, which the pixel stores cannot alias, so it
        // stays in registers.
        const PixelGrid Grid(Target.Target());
        const std::uint32_t Pixel = Ink.Pen & 0xFFFFFF;
        PixelDash Local = Dash;
        Steps = WalkLine(X0, Y0, X1, Y1, Clip.Box, [&](int X, int Y, std::int64_t I) {
            if (Done < 0) Local.Skip(I);
            Done = I + 1;
            if (Local.On()) Grid.At(X, Y) = Pixel;
            Local.Step();
        });
        Dash = Local;
    } else {
        Steps = WalkLine(X0, Y0, X1, Y1, Clip.Box, [&](int X, int Y, std::int64_t I) {
            Advance(I);
            if (Dash.On())
                Target.PlotInBox(X, Y, Ink.Pen);
            else if (Ink.Opaque)
                Target.PlotInBox(X, Y, Ink.Back);
            Dash.Step();
        });
    }
    Dash.Skip(Steps - std::max<std::int64_t>(Done, 0));
}

} // namespace vur::gdi
