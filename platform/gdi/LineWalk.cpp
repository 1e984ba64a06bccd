#include "platform/gdi/LineWalk.h"

#include "platform/gdi/PixelRun.h"

#include <algorithm>
#include <cstdlib>

namespace vur::gdi {

namespace detail {

namespace {

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
    // A straight line stays on its start row or column.
    L.MinorOffset = L.DMin == 0 ? 0 : FloorDiv(2 * First * L.DMin + L.DMaj + L.Bias - 1, 2 * L.DMaj);
    L.Err = 2 * L.DMin * (First + 1) - L.DMaj - 2 * L.DMaj * L.MinorOffset;
    return L;
}

} // namespace detail

namespace {

// A line walked over the bitmap's pixels by index, one Bresenham step at a
// time; the index stays inside the bitmap as long as only visible steps are
// taken.
struct PixelWalk {
    std::uint32_t* Base;
    std::ptrdiff_t At;
    std::ptrdiff_t MajorStep, MinorStep;
    std::int64_t Err, TwoMaj, TwoMin, Bias;

    // Count steps, storing Pixel at each when Store.
    template <bool Store>
    void Run(std::int64_t Count, std::uint32_t Pixel) {
        for (; Count > 0; --Count) {
            if constexpr (Store) Base[At] = Pixel;
            if (Err + Bias > 0) {
                At += MinorStep;
                Err -= TwoMaj;
            }
            Err += TwoMin;
            At += MajorStep;
        }
    }
    // Times runs of Length steps of a horizontal or vertical line, the
    // first from step First on and each Period steps after the one before.
    // Indices step by adding, so a vertical run costs no multiply per pixel;
    // long runs of a row go to the vector fill.
    void Straight(std::int64_t First, std::int64_t Length, std::int64_t Times, std::int64_t Period,
                  std::uint32_t Pixel) const {
        const std::ptrdiff_t Jump = Period * MajorStep, Run = Length * MajorStep;
        std::ptrdiff_t From = At + First * MajorStep;
        if ((MajorStep == 1 || MajorStep == -1) && Length > 8) {
            for (; Times > 0; --Times, From += Jump)
                FillPixels(Base + (MajorStep == 1 ? From : From - (Length - 1)),
                           static_cast<std::size_t>(Length), Pixel);
            return;
        }
        // Dots and short dashes (the grid's three pixels) unrolled, along a
        // row with the step known to the compiler.
        if (Length <= 3 && (MajorStep == 1 || MajorStep == -1)) {
            const std::ptrdiff_t Left = MajorStep == 1 ? From : From - (Length - 1);
            if (Length == 1) return Repeat<1, 1>(Left, Times, Jump, Pixel);
            if (Length == 2) return Repeat<2, 1>(Left, Times, Jump, Pixel);
            return Repeat<3, 1>(Left, Times, Jump, Pixel);
        }
        if (Length == 1) return Repeat<1, 0>(From, Times, Jump, Pixel);
        if (Length == 2) return Repeat<2, 0>(From, Times, Jump, Pixel);
        if (Length == 3) return Repeat<3, 0>(From, Times, Jump, Pixel);
        for (; Times > 0; --Times, From += Jump)
            for (std::ptrdiff_t K = From, End = From + Run; K != End; K += MajorStep) Base[K] = Pixel;
    }
    // Length pixels each Jump apart, Step apart within a run (0: the major
    // step).
    template <int Length, int Step>
    void Repeat(std::ptrdiff_t From, std::int64_t Times, std::ptrdiff_t Jump, std::uint32_t Pixel) const {
        const std::ptrdiff_t S = Step != 0 ? Step : MajorStep;
        for (; Times > 0; --Times, From += Jump) {
            Base[From] = Pixel;
            if constexpr (Length > 1) Base[From + S] = Pixel;
            if constexpr (Length > 2) Base[From + 2 * S] = Pixel;
        }
    }
};

// A line drawn by plain stores: no clip shape and the pen copied. The dash
// pattern is looked at once per dash or gap, not per pixel.
void StoredLine(Bitmap& Surface, const RECT& Box, int X0, int Y0, int X1, int Y1, const LineInk& Ink,
                PixelDash& Dash) {
    const detail::LineSetup L = detail::SetupLine(X0, Y0, X1, Y1, Box);
    if (L.First > L.Last) {
        Dash.Skip(L.Steps);
        return;
    }
    const std::ptrdiff_t Stride = Surface.Stride();
    const std::int64_t Ma = L.Major + L.MajorStep * L.First, Mi = L.Minor + L.MinorStep * L.MinorOffset;
    PixelWalk W{Surface.Row(0),
                static_cast<std::ptrdiff_t>(L.XMajor ? Mi * Stride + Ma : Ma * Stride + Mi),
                L.MajorStep * (L.XMajor ? std::ptrdiff_t{1} : Stride),
                L.MinorStep * (L.XMajor ? Stride : std::ptrdiff_t{1}),
                L.Err,
                2 * L.DMaj,
                2 * L.DMin,
                L.Bias};
    const std::uint32_t Pen = Ink.Pen & 0xFFFFFF, Back = Ink.Back & 0xFFFFFF;
    const bool Straight = L.DMin == 0, Opaque = Ink.Opaque;
    Dash.Skip(L.First);
    if (Straight)
        Dash.Repeats(L.Last - L.First + 1,
                     [&, Period = Dash.Period()](bool On, std::int64_t First, std::int64_t Length,
                                                 std::int64_t Times) {
                         if (On || Opaque) W.Straight(First, Length, Times, Period, On ? Pen : Back);
                     });
    else
        Dash.Runs(L.Last - L.First + 1, [&](bool On, std::int64_t Count) {
            if (On || Opaque)
                W.Run<true>(Count, On ? Pen : Back);
            else
                W.Run<false>(Count, Back);
        });
    Dash.Skip(L.Steps - (L.Last + 1));
}

} // namespace

void SolidLine(Bitmap& Surface, const RECT& Box, int X0, int Y0, int X1, int Y1, std::uint32_t Pixel) {
    if (X0 != X1 && Y0 != Y1) {
        PixelDash Solid;
        StoredLine(Surface, Box, X0, Y0, X1, Y1, LineInk{Pixel}, Solid);
        return;
    }
    // Ends held where the walk holds them; the pixels run from the first end
    // towards the second, which is left out.
    const std::int64_t Ax = std::clamp<std::int64_t>(X0, -detail::Limit, detail::Limit),
                       Ay = std::clamp<std::int64_t>(Y0, -detail::Limit, detail::Limit),
                       Bx = std::clamp<std::int64_t>(X1, -detail::Limit, detail::Limit),
                       By = std::clamp<std::int64_t>(Y1, -detail::Limit, detail::Limit);
    const std::uint32_t Ink = Pixel & 0xFFFFFF;
    if (Ay == By) {
        if (Ay < Box.top || Ay >= Box.bottom) return;
        const std::int64_t Lo = std::max<std::int64_t>(Ax < Bx ? Ax : Bx + 1, Box.left),
                           Hi = std::min<std::int64_t>(Ax < Bx ? Bx : Ax + 1, Box.right);
        if (Lo >= Hi) return;
        std::uint32_t* Row = Surface.Row(static_cast<int>(Ay));
        if (Hi - Lo > 8)
            FillPixels(Row + Lo, static_cast<std::size_t>(Hi - Lo), Ink);
        else
            for (std::int64_t X = Lo; X < Hi; ++X) Row[X] = Ink;
        return;
    }
    if (Ax < Box.left || Ax >= Box.right) return;
    const std::int64_t Lo = std::max<std::int64_t>(Ay < By ? Ay : By + 1, Box.top),
                       Hi = std::min<std::int64_t>(Ay < By ? By : Ay + 1, Box.bottom);
    if (Lo >= Hi) return;
    std::uint32_t* Base = Surface.Row(0);
    const std::ptrdiff_t Stride = Surface.Stride();
    for (std::ptrdiff_t K = Lo * Stride + Ax, End = Hi * Stride + Ax; K != End; K += Stride) Base[K] = Ink;
}

void CosmeticLine(Painter& Target, int X0, int Y0, int X1, int Y1, const LineInk& Ink, PixelDash& Dash) {
    if (!Target.Clip().Shape && Target.CopiesPen()) {
        // Grid lines, ticks, frames and series: every pixel a plain store.
        StoredLine(Target.Target(), Target.Clip().Box, X0, Y0, X1, Y1, Ink, Dash);
        return;
    }
    // The visible steps are consecutive: the pattern skips the hidden ones
    // before the first and after the last.
    std::int64_t Done = -1;
    const std::int64_t Steps = WalkLine(X0, Y0, X1, Y1, Target.Clip().Box, [&](int X, int Y, std::int64_t I) {
        if (Done < 0) Dash.Skip(I);
        Done = I + 1;
        if (Dash.On())
            Target.PlotInBox(X, Y, Ink.Pen);
        else if (Ink.Opaque)
            Target.PlotInBox(X, Y, Ink.Back);
        Dash.Step();
    });
    Dash.Skip(Steps - std::max<std::int64_t>(Done, 0));
}

} // namespace vur::gdi
