// Scan conversion of glyph and decoration outlines into coverage, and handing
// coverage to a receiver row by row. FreeType's own rasterisers do the work:
// the grey one with 256 levels, the bi-level one for non-antialiased fonts.
#pragma once

#include "platform/gdi/Font.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdint>
#include <mutex>

namespace vur::gdi::detail {

// Pixel edges around a 26.6 coordinate.
inline long long FloorPixel(FT_Pos Value) { return Value >= 0 ? Value / 64 : -((-Value + 63) / 64); }
inline long long CeilPixel(FT_Pos Value) { return -FloorPixel(-Value); }

// Renders the part of Outline (26.6, y up) inside the pixel block whose
// bottom-left corner is (X0, YBottom) into Dest: Height rows of Width bytes,
// top row first. Dest is overwritten.
void RasterizeRegion(FT_Library Library, const FT_Outline& Outline, int X0, int YBottom, int Width,
                     int Height, bool Mono, std::uint8_t* Dest);

// Renders Outline with its origin at device pixel corner (OriginX, OriginY)
// straight to Sink, only where it meets Clip, a band of rows at a time so that
// even huge outlines need little memory. Lock guards the FreeType library.
void RasterizeToSink(FT_Library Library, std::mutex& Lock, const FT_Outline& Outline, long long OriginX,
                     long long OriginY, bool Mono, const RECT& Clip, CoverageSink& Sink);

// Hands a block of coverage whose top-left pixel is (Left, Top) to Sink, one
// span per row with the empty ends cut off, clipped to Clip.
void EmitCoverage(CoverageSink& Sink, const RECT& Clip, long long Left, long long Top, int Width, int Height,
                  const std::uint8_t* Coverage);

} // namespace vur::gdi::detail
