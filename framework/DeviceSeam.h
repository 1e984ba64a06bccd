// The seam between the chart and the raster device. The chart draws through
// the canvas classes; two things reach past them, and only through here: clip
// areas of any shape, and the pixels themselves, for blending. HDC names the
// device behind a canvas, for interfaces that hand it out.
#pragma once

#include "framework/Graphics.h"
#include "framework/Types.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace vur {

using HDC = gdi::DC*;

// A shape of pixels to clip drawing to.
class TClipArea {
public:
    static TClipArea Rectangle(const TRect& R);
    // Corners rounded as by TCanvas::RoundRect with Corner as both ellipse sizes.
    static TClipArea RoundRectangle(const TRect& R, int Corner);
    static TClipArea Ellipse(const TRect& R);
    // Alternate filling: a pixel is inside when the outline runs round it an
    // odd number of times.
    static TClipArea Polygon(std::span<const TPoint> Points);

private:
    explicit TClipArea(gdi::Region Region) : FRegion(std::move(Region)) {}

    gdi::Region FRegion;

    friend std::optional<TClipArea> GetClipArea(const TCanvas& Canvas);
    friend void SetClipArea(TCanvas& Canvas, const std::optional<TClipArea>& Area);
    friend void IntersectClipArea(TCanvas& Canvas, const TClipArea& Area);
    friend void XorClipArea(TCanvas& Canvas, const TClipArea& Area);
};

// The area drawing is clipped to; none when nothing clips.
std::optional<TClipArea> GetClipArea(const TCanvas& Canvas);
void SetClipArea(TCanvas& Canvas, const std::optional<TClipArea>& Area);
void IntersectClipArea(TCanvas& Canvas, const TClipArea& Area);
// The pixels in exactly one of the two areas; where nothing clipped, Area's
// pixels are the ones left out.
void XorClipArea(TCanvas& Canvas, const TClipArea& Area);
// Narrows the clip area to the inside of the path just recorded.
void IntersectClipPath(TCanvas& Canvas);

// A temporary clip: remembers the canvas' clip area (one remembered area per
// canvas) and narrows it to Area. The unclip selects the remembered area
// again, or removes all clipping when there was none, and forgets it; clips
// therefore do not stack.
void ClipCanvas(TCanvas& Canvas, const TClipArea& Area);
void UnClipCanvas(TCanvas& Canvas);

// Pixels as 0x00RRGGBB (blue in the low byte), rows top down.
template <class TPixel>
class TPixelRowsOf {
public:
    TPixelRowsOf(TPixel* First, std::ptrdiff_t Stride, int Width, int Height)
        : FFirst(First), FStride(Stride), FWidth(Width), FHeight(Height) {}
    TPixel* Row(int Y) const { return FFirst + Y * FStride; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }

private:
    TPixel* FFirst;
    std::ptrdiff_t FStride;
    int FWidth;
    int FHeight;
};
using TPixelRows = TPixelRowsOf<std::uint32_t>;
using TConstPixelRows = TPixelRowsOf<const std::uint32_t>;

// Reading leaves pixels shared with a copy shared; writing first takes the
// canvas' own.
TConstPixelRows ReadablePixels(const TCanvas& Canvas);
TPixelRows WritablePixels(TCanvas& Canvas);

} // namespace vur
