// Paints a gradient's bands through a canvas with the canvas' brush, which
// is put back as it was afterwards. Straight bands become one pattern fill;
// solid fills change the brush colour only when a band's colour differs
// from the last one. Patterns that change
// colour from pixel to pixel (rings, diagonals, ellipses) are painted as runs
// of one colour along the rows of the part of the area the surface shows, so
// the work never exceeds that part's pixels, however many bands the area has.
#pragma once

#include "chart/RoVedure/Canvas.h"
#include "chart/RoVedure/GradientSteps.h"
#include "framework/DeviceSeam.h"
#include "framework/Graphics.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <tuple>

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

    // Area in Count bands of whole rows (Rows) or whole columns, Band(I)
    // giving band I's first and past-the-last row (column) and its RGB
    // colour as a tuple. The bands are written into one column (row) of a
    // bitmap, which then fills Area as the brush's pattern in one go: each
    // row is one run instead of a fill per band.
    template <class TBand>
    void FillBands(const TRect& Area, bool Rows, long long Count, TBand Band);

    // Every pixel of Area the surface shows, in the colour ColorOf gives for
    // the band IndexAt(X, Y) says the pixel lies in, as runs of one colour.
    template <class TIndexAt, class TColorOf>
    void FillPixels(const TRect& Area, TIndexAt IndexAt, TColorOf ColorOf);

private:
    // Fills V with Pattern as the brush's pattern.
    void FillWithPattern(const TRect& V, const TBitmap& Pattern);

    TVurCanvas& FCanvas;
    TBrush FSaved;
    TColor FColor = 0;
    bool FHasColor = false;
    bool FChanged = false;
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

template <class TBand>
void TGradientPainter::FillBands(const TRect& Area, bool Rows, long long Count, TBand Band) {
    const TRect V = Visible(Area);
    if (V.Right <= V.Left || V.Bottom <= V.Top) return;
    // The pattern starts at the surface's corner, where the brush origin is.
    // It only grows: the fill reads none of its cells past the visible part.
    TBitmap& Pattern = FCanvas.BandPattern(Rows);
    const int First = Rows ? V.Top : V.Left, Last = Rows ? V.Bottom : V.Right;
    if ((Rows ? Pattern.GetHeight() : Pattern.GetWidth()) < Last)
        Pattern.SetSize(Rows ? 1 : Last, Rows ? Last : 1);
    // One row or one column: either way a run of pixels, white where no
    // band lands, as in a new bitmap.
    std::uint32_t* Cells = WritablePixels(*Pattern.GetCanvas()).Row(0);
    std::fill(Cells + First, Cells + Last, 0xFFFFFFu);
    for (long long I = 0; I < Count; ++I) {
        const auto [Start, End, Color] = Band(I);
        const int From = std::max(Start, First), To = std::min(End, Last);
        // The rows hold blue in the low byte, a colour red.
        const std::uint32_t Pixel = (Color & 0xFF00) | ((Color & 0xFF) << 16) | ((Color >> 16) & 0xFF);
        if (From < To) std::fill(Cells + From, Cells + To, Pixel);
    }
    FillWithPattern(V, Pattern);
}

} // namespace vur
