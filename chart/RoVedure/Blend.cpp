#include "chart/RoVedure/Blend.h"

#include "chart/RoVedure/Geometry.h"

#include <algorithm>

namespace vur {

TVurBlend::TVurBlend(TVurCanvas& Canvas, const TRect& R) : FCanvas(Canvas) { SetRectangle(R); }

void TVurBlend::SetRectangle(const TRect& R) {
    FValid = false;
    const TCanvas* Target = FCanvas.GetReferenceCanvas();
    if (!Target) return;
    FRect = OrientRectangle(R);
    FRect.Left = std::max(FRect.Left, 0);
    FRect.Top = std::max(FRect.Top, 0);
    FRect.Right = std::min(std::max(FRect.Right, FRect.Left + 1), Target->GetWidth());
    FRect.Bottom = std::min(std::max(FRect.Bottom, FRect.Top + 1), Target->GetHeight());
    FValid = FRect.Right > FRect.Left && FRect.Bottom > FRect.Top;
    if (!FValid) return;
    const gdi::Bitmap& Surface = Target->GetHandle().GetSurface();
    FCaptured.SetSize(FRect.Width(), FRect.Height());
    for (int Y = 0; Y < FRect.Height(); ++Y)
        std::copy_n(Surface.Row(FRect.Top + Y) + FRect.Left, FRect.Width(), FCaptured.Row(Y));
}

void TVurBlend::DoBlend(TVurTransparency Transparency) {
    TCanvas* Target = FCanvas.GetReferenceCanvas();
    if (!FValid || !Target) return;
    VurBlendBitmaps(Transparency, FCaptured, Target->GetHandle().GetSurface(), TPoint{FRect.Left, FRect.Top});
}

void VurBlendBitmaps(TVurTransparency Transparency, const gdi::Bitmap& Captured, gdi::Bitmap& Destination,
                     const TPoint& Origin) {
    const int T = std::clamp(Transparency, 0, 100);
    const int X0 = std::max(0, Origin.X), Y0 = std::max(0, Origin.Y);
    const int X1 = std::min(Destination.Width(), Origin.X + Captured.Width());
    const int Y1 = std::min(Destination.Height(), Origin.Y + Captured.Height());
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
