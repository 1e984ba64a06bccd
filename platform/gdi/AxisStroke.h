// A solid wide stroke of one horizontal or vertical segment with whole-pixel
// ends (an axis line, a frame edge), worked out directly to the pixels the
// stroker and the scan converter give it. A pen of width w across coordinate
// c covers [c - w/2, c - w/2 + w). Along the segment the body covers
// [lo, hi) between its ends; square caps reach w/2 before lo and (w+1)/2
// past hi; round caps add the w x w disc of each end. A segment of no length
// is its disc, its square, or nothing with flat caps. Rows where only the
// body lies are stored as one block.
#pragma once

#include "platform/gdi/Painter.h"

#include <cstdint>

namespace vur::gdi {

// The segment (X0, Y0)-(X1, Y1) must be horizontal, vertical or a point;
// EndCap is one of the PS_ENDCAP_ values. Each pixel is painted once,
// through the painter's clip and raster operation.
void StrokeAxisSegment(Painter& Target, int X0, int Y0, int X1, int Y1, int Width, unsigned EndCap,
                       std::uint32_t Pixel);

} // namespace vur::gdi
