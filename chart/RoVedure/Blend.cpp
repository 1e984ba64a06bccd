#include "chart/RoVedure/Blend.h"

#include "chart/RoVedure/Geometry.h"

#include <algorithm>

namespace vur {

TVurBlend::TVurBlend(TVurCanvas& Canvas, const TRect& R) : FCanvas(Canvas) { SetRectangle(R); }

void TVurBlend::SetRectangle(const TRect& R) {
    FValid = false;
    const TCanvas* Target = FCanvas.GetReferenceCanvas();
    if (!Target) return;
    FTextAlign = FCanvas.GetTextAlign();
    FRect = OrientRectangle(R);
    FRect.Left = std::max(FRect.Left, 0);
    FRect.Top = std::max(FRect.Top, 0);
    FRect.Right = std::min(std::max(FRect.Right, FRect.Left + 1), Target->GetWidth());
    FRect.Bottom = std::min(std::max(FRect.Bottom, FRect.Top + 1), Target->GetHeight());
    FValid = FRect.Right > FRect.Left && FRect.Bottom > FRect.Top;
    if (!FValid) return;
    const TConstPixelRows Surface = ReadablePixels(*Target);
    const int Width = FRect.Width();
    FCaptured.resize(static_cast<std::size_t>(Width) * FRect.Height());
    for (int Y = 0; Y < FRect.Height(); ++Y) {
        const std::uint32_t* From = Surface.Row(FRect.Top + Y) + FRect.Left;
        std::transform(From, From + Width, FCaptured.data() + static_cast<std::size_t>(Y) * Width,
                       [](std::uint32_t Pixel) { return Pixel & 0xFFFFFF; });
    }
}

void TVurBlend::DoBlend(TVurTransparency Transparency) {
    TCanvas* Target = FCanvas.GetReferenceCanvas();
    if (!FValid || !Target) return;
    const int Width = FRect.Width();
    VurBlendBitmaps(100 - std::clamp(Transparency, 0, 100),
                    TConstPixelRows(FCaptured.data(), Width, Width, FRect.Height()), WritablePixels(*Target),
                    TPoint{FRect.Left, FRect.Top});
    if (FCanvas.GetTextAlign() != FTextAlign) {
        FCanvas.AssignFont(FCanvas.GetCurrentFont());
        FCanvas.SetTextAlign(FTextAlign);
    }
}

void VurBlendBitmaps(int Opacity, TConstPixelRows Captured, TPixelRows Destination, const TPoint& Origin) {
    const int T = 100 - std::clamp(Opacity, 0, 100);
    const int X0 = std::max(0, Origin.X), Y0 = std::max(0, Origin.Y);
    const int X1 = static_cast<int>(
        std::min<std::int64_t>(Destination.Width(), std::int64_t{Origin.X} + Captured.Width()));
    const int Y1 = static_cast<int>(
        std::min<std::int64_t>(Destination.Height(), std::int64_t{Origin.Y} + Captured.Height()));
    for (int Y = Y0; Y < Y1; ++Y) {
        const std::uint32_t* From = Captured.Row(Y - Origin.Y);
        std::uint32_t* To = Destination.Row(Y);
        for (int X = X0; X < X1; ++X) {
            const std::uint32_t C = From[X - Origin.X];
            std::uint32_t& D = To[X];
            std::uint32_t Out = 0;
            for (int Shift = 0; Shift < 24; Shift += 8) {
                const int Drawn = static_cast<int>((D >> Shift) & 0xFF);
                const int Under = static_cast<int>((C >> Shift) & 0xFF);
                Out |= static_cast<std::uint32_t>(Drawn + T * (Under - Drawn) / 100) << Shift;
            }
            D = Out;
        }
    }
}

} // namespace vur
