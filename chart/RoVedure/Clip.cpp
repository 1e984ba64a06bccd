#include "chart/RoVedure/Clip.h"

#include "chart/RoVedure/Canvas.h"

namespace vur {

void ClipCanvasRegion(TCanvas& Target, const gdi::Region& Shape) {
    gdi::DC& DC = Target.GetHandle();
    gdi::Region Current;
    if (DC.GetClipRgn(Current) == 1)
        Target.SavedClip() = std::move(Current);
    else
        Target.SavedClip().reset();
    DC.ExtSelectClipRgn(&Shape, gdi::RGN_AND);
}

void ClipCanvas(TCanvas& Target, const TRect& Rect) {
    ClipCanvasRegion(Target, gdi::CreateRectRgn(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom));
}

void UnClipCanvas(TCanvas& Target) {
    std::optional<gdi::Region>& Saved = Target.SavedClip();
    Target.GetHandle().SelectClipRgn(Saved ? &*Saved : nullptr);
    Saved.reset();
}

void ClipEllipse(TVurCanvas& Canvas, const TRect& Rect) { Canvas.ClipEllipse(Rect, false); }

void ClipRoundRectangle(TVurCanvas& Canvas, const TRect& Rect, int RoundSize) {
    Canvas.ClipRectangle(Rect, RoundSize);
}

void ClipPolygon(TVurCanvas& Canvas, std::span<const TPoint> Points, int NumPoints) {
    Canvas.ClipPolygon(Points, NumPoints);
}

} // namespace vur
