// Paints a gradient's bands through a canvas: solid fills with the canvas'
// brush, whose colour changes only when a band's colour differs from the
// last one, and which is put back as it was afterwards. Patterns that change
// colour from pixel to pixel (rings, diagonals, ellipses) are painted as runs
// of one colour along the rows of the part of the area the surface shows, so
// the work never exceeds that part's pixels, however many bands the area has.
#pragma once

#include "chart/RoVedure/Canvas.h"
#include "chart/RoVedure/GradientSteps.h"
#include "framework/Graphics.h"

#include <algorithm>
#include <array>
#include <limits>

namespace vur {

class TGradientPainter {
public:
    explicit TGradientPainter(TVurCanvas& Canvas);
    ~TGradientPainter();
    TGradientPainter(const TGradientPainter&) = delete;
    TGradientPainter& operator=(const TGradientPainter&) = delete;

    // The part of Area on the surface; empty (Right <= Left or Bottom <= Top)
    // when there is none or the canvas has no surface.
    TRect Visible(const TRect& Area) const;

    void Fill(int Left, int Top, int Right, int Bottom, TColor Color);

    // Every pixel of Area the surface shows, in the colour ColorOf gives for
    // the band IndexAt(X, Y) says the pixel lies in, as runs of one colour.
    template <class TIndexAt, class TColorOf>
    void FillPixels(const TRect& Area, TIndexAt IndexAt, TColorOf ColorOf);

private:
    TVurCanvas& FCanvas;
    TBrush FSaved;
    TColor FColor = 0;
    bool FHasColor = false;
};

template <class TIndexAt, class TColorOf>
void TGradientPainter::FillPixels(const TRect& Area, TIndexAt IndexAt, TColorOf ColorOf) {
    const TRect V = Visible(Area);
    // Neighbouring rows mostly repeat the steps of the row before: a small
    // cache spares working the same colour out again.
    constexpr std::size_t CacheSize = 512;
    std::array<long long, CacheSize> Keys;
    Keys.fill(std::numeric_limits<long long>::min());
    std::array<TColor, CacheSize> Colors{};
    const auto Lookup = [&](long long Index) {
        const std::size_t Slot = static_cast<std::size_t>(Index) % CacheSize;
        if (Keys[Slot] != Index) {
            Keys[Slot] = Index;
            Colors[Slot] = ColorOf(Index);
        }
        return Colors[Slot];
    };
    for (int Y = V.Top; Y < V.Bottom; ++Y) {
        int RunStart = V.Left;
        TColor RunColor = V.Left < V.Right ? Lookup(IndexAt(V.Left, Y)) : 0;
        for (int X = V.Left + 1; X < V.Right; ++X) {
            const TColor C = Lookup(IndexAt(X, Y));
            if (C == RunColor) continue;
            Fill(RunStart, Y, X, Y + 1, RunColor);
            RunStart = X;
            RunColor = C;
        }
        if (RunStart < V.Right) Fill(RunStart, Y, V.Right, Y + 1, RunColor);
    }
}

} // namespace vur
