// Slow, obvious statements of the pixel rules, written independently of the
// fast paths they check: a line lights, for every step along its major axis
// but the last, the pixel nearest to the ideal line (a tie going to the upper
// or left pixel); a pixel is inside a polygon when its sample point is, with
// points on left or top edges inside and on right or bottom edges outside.
#pragma once

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Pen.h"
#include "platform/gdi/RasterOp.h"
#include "platform/gdi/Types.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vur::gdi::testing {

// The line tests draw in these on a white bitmap: the pen, and the gaps
// under an opaque background, each apart from the others in every channel.
inline constexpr COLORREF White = 0xFFFFFF;
inline constexpr COLORREF Ink = RGB(200, 10, 30);
inline constexpr COLORREF Back = RGB(20, 150, 90);

std::vector<POINT> ReferenceLine(int X0, int Y0, int X1, int Y1);

// FillMode ALTERNATE or WINDING.
bool ReferenceInside(const std::vector<POINT>& Polygon, int FillMode, int X, int Y);

// A one-pixel pen and the runs it dashes with, dash first; none when solid.
struct DashedPen {
    Pen LinePen;
    std::vector<int> Runs;
};
// Solid, the stock dash styles, the alternate pen and two user styles (one
// with runs of 0, one longer), all in Ink.
std::vector<DashedPen> DashedPens(COLORREF Ink);
// Whether each pixel of one period of the pattern is lit.
std::vector<bool> LitPattern(const std::vector<int>& Runs);

// Each pixel of a one-pixel polyline's walk, in order, as Each(P, On): On
// when the pattern Lit (one period; empty for a solid pen) lights the step.
// The pattern runs on across pieces.
template <class TEach>
void ForEachWalkedPixel(const std::vector<POINT>& Points, const std::vector<bool>& Lit, TEach&& Each) {
    std::size_t Walked = 0;
    for (std::size_t I = 0; I + 1 < Points.size(); ++I)
        for (const POINT& P : ReferenceLine(Points[I].x, Points[I].y, Points[I + 1].x, Points[I + 1].y))
            Each(P, Lit.empty() || Lit[Walked++ % Lit.size()]);
}

// The plain rule for a pixel under text coverage C: nothing under 0,
// otherwise each channel (ink c + dest (255 - c) + 127) / 255 with the raster
// operation's ink, and the top byte cleared.
std::uint32_t ReferenceLay(std::uint32_t Dest, std::uint32_t Pen, unsigned C, int Rop2 = R2_COPYPEN);

// The first pixel, row by row, where Picture differs from Expected (its
// colours row by row, Picture.Width() apart).
std::optional<POINT> FirstMismatch(const Bitmap& Picture, const std::vector<COLORREF>& Expected);

// Saves the bitmap next to the test program when a pixel test fails.
void KeepPicture(const Bitmap& Picture, const std::string& Name);

// The pixels of a colour, as a sorted list.
std::vector<POINT> PixelsOf(const Bitmap& Picture, COLORREF Color);

} // namespace vur::gdi::testing
