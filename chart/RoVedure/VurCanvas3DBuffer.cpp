// The paint set-up of the 3D canvas and its off-screen buffer: InitWindow
// points the canvas at the buffer (or the window), ShowImage copies the
// buffer out and marks it clean, ReDrawBitmap reuses a clean buffer.
#include "chart/RoVedure/VurCanvas3D.h"

#include "chart/RoVedure/View3DOptions.h"

#include <algorithm>

namespace vur {

TRect TVurCanvas3D::InitWindow(TCanvas* Target, TView3DOptions* Options, TColor, bool Is3D,
                               const TRect& UserRect) {
    FBounds = UserRect;
    FView3DOptions = Options;
    if (Options) FFontZoom = Options->GetFontZoom();
    FProjection.Start(Options, Is3D);
    if (!FUseBuffer) {
        SetCanvas(Target);
        return UserRect;
    }
    const int Width = std::max(0, UserRect.Width());
    const int Height = std::max(0, UserRect.Height());
    if (!FBitmap) FBitmap = std::make_unique<TBitmap>();
    FBitmap->SetSize(Width, Height);
    SetCanvas(FBitmap->GetCanvas());
    return TRect{0, 0, Width, Height};
}

void TVurCanvas3D::ShowImage(TCanvas* Destination, TCanvas* Default, const TRect& UserRect) {
    if (FUseBuffer && FBitmap && Destination) {
        TransferBitmap(UserRect.Left, UserRect.Top, Destination);
        FDirty = false;
    }
    SetCanvas(Default);
}

bool TVurCanvas3D::ReDrawBitmap() {
    if (FDirty || !FUseBuffer || !FBitmap || !FCanvas) return false;
    TransferBitmap(0, 0, FCanvas);
    return true;
}

void TVurCanvas3D::TransferBitmap(int X, int Y, TCanvas* Target) {
    if (!FBitmap || !Target || FBitmap->Empty()) return;
    const int Width = FBitmap->GetWidth(), Height = FBitmap->GetHeight();
    Target->CopyRect(TRect{X, Y, X + Width, Y + Height}, *FBitmap->GetCanvas(), TRect{0, 0, Width, Height});
}

void TVurCanvas3D::DeleteBitmap() {
    if (!FBitmap) return;
    // Drawing must not go on into freed pixels.
    if (FCanvas == FBitmap->GetCanvas()) SetCanvas(nullptr);
    FBitmap.reset();
}

void TVurCanvas3D::SetUseBuffer(bool Value) {
    if (FUseBuffer == Value) return;
    FUseBuffer = Value;
    if (!Value) {
        DeleteBitmap();
        FDirty = true;
    } else if (FBitmap) {
        SetCanvas(FBitmap->GetCanvas());
    }
}

} // namespace vur
