// The dash pattern of a one-pixel pen: on and off runs counted in pixels,
// advanced by one per pixel the line walk visits (clipped pixels included, so
// a pattern does not shift when the clip changes). Runs of length 0 are
// skipped; a pattern without runs is solid.
#pragma once

#include <algorithm>
#include <cstdint>
#include <span>

namespace vur::gdi {

class PixelDash {
public:
    PixelDash() = default;
    explicit PixelDash(std::span<const double> Dashes);

    bool Solid() const { return FCount == 0; }
    bool On() const { return (FIndex & 1) == 0; }
    void Step() {
        if (FCount == 0) return;
        if (++FPos == FPeriod) FPos = 0;
        if (--FLeft == 0) Next();
    }
    // Visit(On, Length) for the dashes and gaps of the next Count pixels,
    // cut to Count, moving on past them. The pattern is walked in locals, so
    // the caller's pixel stores cannot make it reload its place.
    template <class F>
    void Runs(std::int64_t Count, F&& Visit) {
        if (Count <= 0) return;
        if (FCount == 0) {
            Visit(true, Count);
            return;
        }
        FPos = PosAfter(Count);
        int Index = FIndex;
        std::int64_t Left = FLeft;
        while (true) {
            const std::int64_t Length = std::min(Count, Left);
            Visit((Index & 1) == 0, Length);
            Count -= Length;
            Left -= Length;
            if (Left == 0) {
                do Index = Index + 1 == FCount ? 0 : Index + 1;
                while (FLengths[Index] == 0);
                Left = FLengths[Index];
            }
            if (Count == 0) break;
        }
        FIndex = Index;
        FLeft = static_cast<int>(Left);
    }
    // Visit(On, First, Length, Times) for the dashes and gaps of the next
    // Count pixels, cut to them, moving on past them: the pixels First +
    // k Period() + [0, Length) for k < Times, First counting from the current
    // pixel. Unlike Runs, each run of the pattern comes with all its repeats
    // at once, so a straight line stores one run period after period instead
    // of stepping through the pattern; a repeat cut by either end comes on
    // its own.
    template <class F>
    void Repeats(std::int64_t Count, F&& Visit) {
        if (Count <= 0) return;
        if (FCount == 0) {
            Visit(true, std::int64_t{0}, Count, std::int64_t{1});
            return;
        }
        // Whole periods in Count, the one division here; each run repeats
        // whole that often, give or take one.
        const std::int64_t Periods = Count < FPeriod ? 0 : Count / FPeriod;
        std::int64_t Start = 0;
        for (int I = 0; I < FCount; ++I) {
            const std::int64_t Length = FLengths[I];
            const bool On = (I & 1) == 0;
            // Where this run begins relative to the current pixel; a run the
            // current pixel is already past comes round again a period later.
            std::int64_t First = Start - FPos;
            Start += Length;
            if (Length == 0) continue;
            if (First + Length <= 0) First += FPeriod;
            if (First < 0) {
                Visit(On, std::int64_t{0}, std::min(First + Length, Count), std::int64_t{1});
                First += FPeriod;
            }
            if (First >= Count) continue;
            // Repeats k with k Period() <= Room fit whole.
            const std::int64_t Room = Count - Length - First;
            std::int64_t Whole = Room < 0 ? 0 : Periods + 1;
            while (Whole > 0 && (Whole - 1) * FPeriod > Room) --Whole;
            if (Whole > 0) Visit(On, First, Length, Whole);
            const std::int64_t Tail = First + Whole * FPeriod;
            if (Tail < Count) Visit(On, Tail, Count - Tail, std::int64_t{1});
        }
        const std::int64_t Pos = FPos + (Count - Periods * FPeriod);
        Place(Pos >= FPeriod ? Pos - FPeriod : Pos);
    }
    std::int64_t Period() const { return FPeriod; }
    // The next Count pixels as values, On on a dash and Off in a gap,
    // without moving on.
    void Lay(std::uint32_t* Out, int Count, std::uint32_t On, std::uint32_t Off) const {
        if (FCount == 0) {
            std::fill_n(Out, Count, On);
            return;
        }
        int Index = FIndex, Left = FLeft;
        while (Count > 0) {
            const int Length = std::min(Left, Count);
            Out = std::fill_n(Out, Length, (Index & 1) == 0 ? On : Off);
            Count -= Length;
            do Index = Index + 1 == FCount ? 0 : Index + 1;
            while (FLengths[Index] == 0);
            Left = FLengths[Index];
        }
    }
    void Skip(std::int64_t Count) {
        if (FCount == 0 || Count <= 0) return;
        Place(PosAfter(Count));
    }
    // Back to the start of the pattern.
    void Restart();

private:
    // The position Count pixels on; short counts need no division, and the
    // counts of a line (below 2^32) a 32-bit one.
    std::int64_t PosAfter(std::int64_t Count) const {
        const std::int64_t Rest =
            Count < FPeriod       ? Count
            : Count <= 0xFFFFFFFF ? static_cast<std::uint32_t>(Count) % static_cast<std::uint32_t>(FPeriod)
                                  : Count % FPeriod;
        const std::int64_t Pos = FPos + Rest;
        return Pos >= FPeriod ? Pos - FPeriod : Pos;
    }
    void Place(std::int64_t Pos) {
        FPos = Pos;
        for (FIndex = 0; Pos >= FLengths[FIndex]; ++FIndex) Pos -= FLengths[FIndex];
        FLeft = static_cast<int>(FLengths[FIndex] - Pos);
    }
    void Next() {
        do FIndex = FIndex + 1 == FCount ? 0 : FIndex + 1;
        while (FLengths[FIndex] == 0);
        FLeft = FLengths[FIndex];
    }
    int FLengths[16] = {};
    int FCount = 0;
    int FIndex = 0;
    int FLeft = 0;
    std::int64_t FPos = 0;
    std::int64_t FPeriod = 0;
};

} // namespace vur::gdi
