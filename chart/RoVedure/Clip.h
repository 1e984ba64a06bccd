// Clipping of chart drawing. A clip remembers the clip area in effect before
// it (one remembered area per canvas) and narrows the current area to the
// new shape; an unclip selects the remembered area again, or removes all
// clipping when there was none, and forgets it. Clips therefore do not
// stack: after two clips one unclip returns to the first.
#pragma once

#include "framework/Graphics.h"
#include "platform/gdi/Region.h"

#include <span>

namespace vur {

class TVurCanvas;

// Remembers Target's clip area and intersects it with Shape.
void ClipCanvasRegion(TCanvas& Target, const gdi::Region& Shape);
void ClipCanvas(TCanvas& Target, const TRect& Rect);
void UnClipCanvas(TCanvas& Target);

void ClipEllipse(TVurCanvas& Canvas, const TRect& Rect);
void ClipRoundRectangle(TVurCanvas& Canvas, const TRect& Rect, int RoundSize);
void ClipPolygon(TVurCanvas& Canvas, std::span<const TPoint> Points, int NumPoints);

} // namespace vur
