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
    void Run(std::int64_t Count, bool Store, std::uint32_t Pixel) {
        for (; Count > 0; --Count) {
            if (Store) Base[At] = Pixel;
            if (Err + Bias > 0) {
                At += MinorStep;
                Err -= TwoMaj;
            }
            Err += TwoMin;
            At += MajorStep;
        }
    }
};

// A slanted line: the walk goes a dash or gap at a time.
void WalkedLine(Bitmap& Surface, const RECT& Box, int X0, int Y0, int X1, int Y1, const LineInk& Ink,
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
    Dash.Skip(L.First);
    Dash.Runs(L.Last - L.First + 1,
              [&](bool On, std::int64_t Count) { W.Run(Count, On || Ink.Opaque, On ? Pen : Back); });
    Dash.Skip(L.Steps - (L.Last + 1));
}

// The visible part of a horizontal or vertical line: Count pixels from Start,
// Step apart, the first of them step First of the line's Steps.
struct StraightPart {
    std::uint32_t* Start = nullptr;
    std::ptrdiff_t Step = 0;
    std::int64_t First = 0, Count = 0, Steps = 0;
};

// Ends held where the walk holds them, so that far lines step their pattern
// alike; the pixels run from the first end towards the second, which is left
// out. No walk is set up: the part is found from the ends directly.
StraightPart VisibleStraight(Bitmap& Surface, const RECT& Box, std::int64_t Ax, std::int64_t Ay,
                             std::int64_t Bx, std::int64_t By) {
    StraightPart Part;
    const bool Row = Ay == By;
    const std::int64_t From = Row ? Ax : Ay, To = Row ? Bx : By, Across = Row ? Ay : Ax;
    const std::int64_t Lo = Row ? Box.left : Box.top, Hi = Row ? Box.right : Box.bottom;
    Part.Steps = From < To ? To - From : From - To;
    if (Across < (Row ? Box.top : Box.left) || Across >= (Row ? Box.bottom : Box.right)) return Part;
    const std::int64_t A = std::max(From < To ? From : To + 1, Lo),
                       B = std::min(From < To ? To : From + 1, Hi);
    if (A >= B) return Part;
    const std::ptrdiff_t Stride = Surface.Stride(), Along = Row ? 1 : Stride;
    // The first visible pixel is the lowest one going forwards, the highest
    // going back.
    const std::int64_t Near = From < To ? A : B - 1;
    Part.Start = Surface.Row(0) + (Row ? Across * Stride + Near : Near * Stride + Across);
    Part.Step = From < To ? Along : -Along;
    Part.First = From < To ? Near - From : From - Near;
    Part.Count = B - A;
    return Part;
}

// Pixels [From, To) of a straight part; longer runs along a row go to the
// vector fill.
void StoreStraight(const StraightPart& Part, std::int64_t From, std::int64_t To, std::uint32_t Pixel) {
    std::uint32_t* At = Part.Start + From * Part.Step;
    const std::int64_t Count = To - From;
    if (Count > 8 && (Part.Step == 1 || Part.Step == -1)) {
        FillPixels(Part.Step == 1 ? At : At - (Count - 1), static_cast<std::size_t>(Count), Pixel);
        return;
    }
    for (std::int64_t K = 0; K < Count; ++K, At += Part.Step) *At = Pixel;
}

// Patterns of a period up to this are laid out pixel by pixel, once a line.
constexpr std::int64_t MaxTablePeriod = 64;

// A straight part under a pattern. A short pattern's period is laid out as
// the places and pixels it stores and stored again period after period, so
// that a dotted grid line costs little more than a store per lit pixel; a
// long one goes a dash or gap at a time.
void DashedStraight(const StraightPart& Part, const LineInk& Ink, PixelDash& Dash) {
    const std::uint32_t Pen = Ink.Pen & 0xFFFFFF, Back = Ink.Back & 0xFFFFFF;
    const std::int64_t Count = Part.Count;
    std::int64_t Done = 0;
    if (Dash.Period() > MaxTablePeriod) {
        Dash.Runs(Count, [&](bool On, std::int64_t Length) {
            if (On || Ink.Opaque) StoreStraight(Part, Done, Done + Length, On ? Pen : Back);
            Done += Length;
        });
        return;
    }
    struct Place {
        std::int64_t Index;
        std::ptrdiff_t Offset;
        std::uint32_t Pixel;
    };
    Place Places[MaxTablePeriod];
    int Used = 0;
    const std::int64_t Period = std::min(Count, Dash.Period());
    Dash.Runs(Period, [&](bool On, std::int64_t Length) {
        if (On || Ink.Opaque)
            for (std::int64_t K = Done; K < Done + Length; ++K)
                Places[Used++] = {K, K * Part.Step, On ? Pen : Back};
        Done += Length;
    });
    Dash.Skip(Count - Period);
    std::int64_t Start = 0;
    for (; Start + Period <= Count; Start += Period) {
        std::uint32_t* At = Part.Start + Start * Part.Step;
        for (int I = 0; I < Used; ++I) At[Places[I].Offset] = Places[I].Pixel;
    }
    for (int I = 0; I < Used && Start + Places[I].Index < Count; ++I)
        Part.Start[(Start + Places[I].Index) * Part.Step] = Places[I].Pixel;
}

std::int64_t Held(int V) { return std::clamp<std::int64_t>(V, -detail::Limit, detail::Limit); }

} // namespace

void StoredLine(Bitmap& Surface, const RECT& Box, int X0, int Y0, int X1, int Y1, const LineInk& Ink,
                PixelDash& Dash) {
    const std::int64_t Ax = Held(X0), Ay = Held(Y0), Bx = Held(X1), By = Held(Y1);
    if (Ax != Bx && Ay != By) return WalkedLine(Surface, Box, X0, Y0, X1, Y1, Ink, Dash);
    const StraightPart Part = VisibleStraight(Surface, Box, Ax, Ay, Bx, By);
    if (Part.Count == 0) {
        Dash.Skip(Part.Steps);
        return;
    }
    Dash.Skip(Part.First);
    if (Dash.Solid())
        StoreStraight(Part, 0, Part.Count, Ink.Pen & 0xFFFFFF);
    else
        DashedStraight(Part, Ink, Dash);
    Dash.Skip(Part.Steps - Part.First - Part.Count);
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
