#include "platform/gdi/LineWalk.h"

#include "platform/gdi/PixelRun.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <type_traits>

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
        // Dots and short dashes unrolled, along a row with the step known to
        // the compiler.
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

using Lanes = std::uint32_t __attribute__((vector_size(16)));

Lanes LoadLanes(const std::uint32_t* From) {
    Lanes V;
    std::memcpy(&V, From, sizeof V);
    return V;
}
void StoreLanes(std::uint32_t* To, Lanes V) { std::memcpy(To, &V, sizeof V); }

// The visible part of a horizontal or vertical line: Count pixels from Start,
// Step apart, the first of them step First of the line's Steps.
struct StraightPart {
    std::uint32_t* Start = nullptr;
    std::ptrdiff_t Step = 0;
    std::int64_t First = 0, Count = 0, Steps = 0;
};

// Ends held where the walk holds them, so that far lines step their pattern
// alike; the pixels run from the first end towards the second, which is left
// out.
[[gnu::always_inline]] inline StraightPart VisibleStraight(Bitmap& Surface, const RECT& Box, std::int64_t Ax,
                                                           std::int64_t Ay, std::int64_t Bx,
                                                           std::int64_t By) {
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

// Short patterns (every stock style) are laid out in a table once per line;
// longer ones go by their runs.
constexpr int MaxTablePeriod = 64;

// The pattern from its current place laid out in Table, Wrap pixels that are
// a whole number of periods and at least four, and three more so that any
// four entries from inside the first Wrap load at once; no more than Count in
// all. Returns Wrap.
int LayTable(std::uint32_t* Table, std::int64_t Count, const PixelDash& Dash, std::uint32_t On,
             std::uint32_t Off) {
    const int Period = static_cast<int>(Dash.Period());
    int Wrap = Period;
    while (Wrap < 4) Wrap += Period;
    Dash.Lay(Table, static_cast<int>(std::min<std::int64_t>(Count, Wrap + 3)), On, Off);
    return Wrap;
}

// An opaque straight line under a short pattern: every visible pixel is
// stored from the table of its pixels, along a row four at a time (turned
// round going left), with no pixel read.
void OpaqueByTable(const StraightPart& Part, const LineInk& Ink, const PixelDash& Dash) {
    std::uint32_t Table[MaxTablePeriod + 6];
    const int Wrap = LayTable(Table, Part.Count, Dash, Ink.Pen & 0xFFFFFF, Ink.Back & 0xFFFFFF);
    const std::int64_t Count = Part.Count;
    std::uint32_t* At = Part.Start;
    std::int64_t K = 0;
    int J = 0;
    const auto Row = [&](auto Forward) {
        for (; K + 4 <= Count; K += 4) {
            const Lanes P = LoadLanes(Table + J);
            if constexpr (Forward)
                StoreLanes(At + K, P);
            else
                StoreLanes(At - K - 3, __builtin_shufflevector(P, P, 3, 2, 1, 0));
            J += 4;
            if (J >= Wrap) J -= Wrap;
        }
        At += Part.Step * K;
    };
    if (Part.Step == 1)
        Row(std::true_type{});
    else if (Part.Step == -1)
        Row(std::false_type{});
    for (; K < Count; ++K, At += Part.Step) {
        *At = Table[J];
        if (++J == Wrap) J = 0;
    }
}

// A transparent column under a short pattern: whole wraps of the table
// stored by the places of their lit pixels, one store per lit pixel.
void TransparentColumnByTable(const StraightPart& Part, std::uint32_t Pen, const PixelDash& Dash) {
    std::uint32_t Lit[MaxTablePeriod + 6];
    const int Wrap = LayTable(Lit, Part.Count, Dash, 1, 0);
    const std::int64_t Count = Part.Count;
    std::uint32_t* At = Part.Start;
    std::int64_t K = 0;
    if (Count >= Wrap) {
        std::ptrdiff_t Places[MaxTablePeriod + 6];
        int Lits = 0;
        for (int I = 0; I < Wrap; ++I)
            if (Lit[I]) Places[Lits++] = I * Part.Step;
        const std::ptrdiff_t Jump = Wrap * Part.Step;
        for (; K + Wrap <= Count; K += Wrap, At += Jump)
            for (int I = 0; I < Lits; ++I) At[Places[I]] = Pen;
    }
    for (int J = 0; K < Count; ++K, ++J, At += Part.Step)
        if (Lit[J]) *At = Pen;
}

// A line drawn by plain stores: no clip shape and the pen copied. The dash
// pattern is looked at once per dash or gap, not per pixel.
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
    const bool Opaque = Ink.Opaque;
    Dash.Skip(L.First);
    Dash.Runs(L.Last - L.First + 1, [&](bool On, std::int64_t Count) {
        if (On || Opaque)
            W.Run<true>(Count, On ? Pen : Back);
        else
            W.Run<false>(Count, Back);
    });
    Dash.Skip(L.Steps - (L.Last + 1));
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
    const std::uint32_t Pen = Ink.Pen & 0xFFFFFF;
    const bool Row = Part.Step == 1 || Part.Step == -1;
    if (Dash.Solid() || Dash.Period() > MaxTablePeriod || (Row && !Ink.Opaque)) {
        // Each run of the pattern with all its repeats at once: along a row
        // with transparent gaps that stores only the lit pixels, and beats
        // a blend of each four pixels with a mask, which must read them.
        const PixelWalk W{Part.Start, 0, Part.Step, 0, 0, 0, 0, 0};
        const std::uint32_t Back = Ink.Back & 0xFFFFFF;
        Dash.Repeats(Part.Count, [&, Period = Dash.Period()](bool On, std::int64_t First, std::int64_t Length,
                                                             std::int64_t Times) {
            if (On || Ink.Opaque) W.Straight(First, Length, Times, Period, On ? Pen : Back);
        });
    } else {
        if (Ink.Opaque)
            OpaqueByTable(Part, Ink, Dash);
        else
            TransparentColumnByTable(Part, Pen, Dash);
        Dash.Skip(Part.Count);
    }
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
