// Clips of the chart canvas to an ellipse, a rounded rectangle or a polygon.
// Like every temporary clip (framework/DeviceSeam.h), each remembers the clip
// area in effect before it and narrows it; clips do not stack.
#pragma once

#include "framework/Types.h"

#include <span>

namespace vur {

class TVurCanvas;

void ClipEllipse(TVurCanvas& Canvas, const TRect& Rect);
void ClipRoundRectangle(TVurCanvas& Canvas, const TRect& Rect, int RoundSize);
void ClipPolygon(TVurCanvas& Canvas, std::span<const TPoint> Points, int NumPoints);

} // namespace vur
