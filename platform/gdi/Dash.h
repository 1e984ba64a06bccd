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
    // Dashes and gaps a pattern holds at most.
    static constexpr int MaxRuns = 16;

    PixelDash() = default;
    explicit PixelDash(std::span<const double> Dashes);

    bool Solid() const { return FCount == 0; }
    bool On() const { return (FIndex & 1) == 0; }
    // Visit(On, Length) for the dashes and gaps of the next Count pixels,
    // cut to Count, moving on past them.
    template <class F>
    void Runs(std::int64_t Count, F&& Visit) {
        if (FCount == 0) {
            if (Count > 0) Visit(true, Count);
            return;
        }
        while (Count > 0) {
            const std::int64_t Length = std::min<std::int64_t>(Count, FLeft);
            Visit(On(), Length);
            Count -= Length;
            FPos += Length;
            if (FPos >= FPeriod) FPos -= FPeriod;
            FLeft -= static_cast<int>(Length);
            if (FLeft == 0) Next();
        }
    }
    void Step() {
        Runs(1, [](bool, std::int64_t) {});
    }
    std::int64_t Period() const { return FPeriod; }
    // Moves on by Count pixels at once, however many periods that is.
    void Skip(std::int64_t Count);
    // Back to the start of the pattern.
    void Restart();

private:
    void Next() {
        do FIndex = FIndex + 1 == FCount ? 0 : FIndex + 1;
        while (FLengths[FIndex] == 0);
        FLeft = FLengths[FIndex];
    }
    int FLengths[MaxRuns] = {};
    int FCount = 0;
    int FIndex = 0;
    int FLeft = 0;
    std::int64_t FPos = 0;
    std::int64_t FPeriod = 0;
};

} // namespace vur::gdi
