#include "framework/DeviceSeam.h"

#include <vector>

namespace vur {

TClipArea TClipArea::Rectangle(const TRect& R) {
    return TClipArea(gdi::CreateRectRgn(R.Left, R.Top, R.Right, R.Bottom));
}

TClipArea TClipArea::RoundRectangle(const TRect& R, int Corner) {
    return TClipArea(gdi::CreateRoundRectRgn(R.Left, R.Top, R.Right, R.Bottom, Corner, Corner));
}

TClipArea TClipArea::Ellipse(const TRect& R) {
    return TClipArea(gdi::CreateEllipticRgn(R.Left, R.Top, R.Right, R.Bottom));
}

TClipArea TClipArea::Polygon(std::span<const TPoint> Points) {
    std::vector<gdi::POINT> P(Points.size());
    for (std::size_t I = 0; I < Points.size(); ++I) P[I] = gdi::POINT{Points[I].X, Points[I].Y};
    return TClipArea(gdi::CreatePolygonRgn(P.data(), static_cast<int>(P.size()), gdi::ALTERNATE));
}

std::optional<TClipArea> GetClipArea(const TCanvas& Canvas) {
    gdi::Region Current;
    if (Canvas.GetHandle().GetClipRgn(Current) != 1) return std::nullopt;
    return TClipArea(std::move(Current));
}

void SetClipArea(TCanvas& Canvas, const std::optional<TClipArea>& Area) {
    Canvas.GetHandle().SelectClipRgn(Area ? &Area->FRegion : nullptr);
}

void IntersectClipArea(TCanvas& Canvas, const TClipArea& Area) {
    Canvas.GetHandle().ExtSelectClipRgn(&Area.FRegion, gdi::RGN_AND);
}

void XorClipArea(TCanvas& Canvas, const TClipArea& Area) {
    Canvas.GetHandle().ExtSelectClipRgn(&Area.FRegion, gdi::RGN_XOR);
}

void IntersectClipPath(TCanvas& Canvas) { Canvas.GetHandle().SelectClipPath(gdi::RGN_AND); }

void ClipCanvas(TCanvas& Canvas, const TClipArea& Area) {
    gdi::Region Current;
    if (Canvas.GetHandle().GetClipRgn(Current) == 1)
        Canvas.SavedClip() = std::move(Current);
    else
        Canvas.SavedClip().reset();
    IntersectClipArea(Canvas, Area);
}

void UnClipCanvas(TCanvas& Canvas) {
    std::optional<gdi::Region>& Saved = Canvas.SavedClip();
    Canvas.GetHandle().SelectClipRgn(Saved ? &*Saved : nullptr);
    Saved.reset();
}

TConstPixelRows ReadablePixels(const TCanvas& Canvas) {
    const gdi::Bitmap& Surface = Canvas.GetHandle().GetSurface();
    return TConstPixelRows(Surface.Row(0), Surface.Stride(), Surface.Width(), Surface.Height());
}

TPixelRows WritablePixels(TCanvas& Canvas) {
    gdi::Bitmap& Surface = Canvas.GetHandle().GetSurface();
    return TPixelRows(Surface.Row(0), Surface.Stride(), Surface.Width(), Surface.Height());
}

} // namespace vur
