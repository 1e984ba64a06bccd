// One cached character of a realised font: its advance, its outline (after
// synthetic emboldening, slant and the font's rotation) and, unless it is too
// large to keep, its coverage bitmap.
#pragma once

#include "platform/gdi/Font.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdint>
#include <vector>

namespace vur::gdi::detail {

// An outline held in our own storage: 26.6 fixed point, y up, origin at the
// pen position on the baseline.
struct GlyphOutline {
    std::vector<FT_Vector> Points;
    std::vector<char> Tags;
    std::vector<short> Contours;
    int Flags = FT_OUTLINE_NONE;

    void Assign(const FT_Outline& Source);
    bool Empty() const { return Points.empty(); }
    // A read-only FreeType view; FreeType's signatures take non-const pointers.
    FT_Outline View() const;
    // Hands the contours to Sink as closed polylines, curves flattened to
    // within a tenth of a pixel, with the origin at (OriginX, OriginY) in
    // device coordinates (y down).
    void Flatten(double OriginX, double OriginY, OutlineSink& Sink) const;
};

// What drawing and measuring read comes first, so that a glyph drawn from
// its bitmap touches one cache line of it.
struct Glyph {
    int Advance = 0;
    // Coverage rows of Width bytes, the first row's top-left pixel at
    // (origin x + Left, origin y + Top) in device coordinates.
    bool HasBitmap = false;
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Rows = 0;
    std::vector<std::uint8_t> Coverage;
    GlyphOutline Outline;
};

// Glyphs up to this many pixels keep a bitmap; larger ones are rasterised from
// their outline on each use, clipped to what the receiver can show.
constexpr long MaxCachedGlyphPixels = 128L * 128L;

} // namespace vur::gdi::detail
