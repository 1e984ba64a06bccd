#include "chart/RoVedure/Clip.h"

#include "chart/RoVedure/Canvas.h"

namespace vur {

void ClipEllipse(TVurCanvas& Canvas, const TRect& Rect) { Canvas.ClipEllipse(Rect, false); }

void ClipRoundRectangle(TVurCanvas& Canvas, const TRect& Rect, int RoundSize) {
    Canvas.ClipRectangle(Rect, RoundSize);
}

void ClipPolygon(TVurCanvas& Canvas, std::span<const TPoint> Points, int NumPoints) {
    Canvas.ClipPolygon(Points, NumPoints);
}

} // namespace vur
