#include "chart/VurProcs/BackImage.h"

#include "chart/VurProcs/Panel.h"

namespace vur {

void TBackImage::Assign(const TPersistent* Source) {
    if (const auto* Image = dynamic_cast<const TBackImage*>(Source)) {
        FMode = Image->FMode;
        FInside = Image->FInside;
        FLeft = Image->FLeft;
        FTop = Image->FTop;
        FTransparent = Image->FTransparent;
    }
    TPicture::Assign(Source);
}

void TBackImage::Draw(TCustomVurPanel& Panel, const TRect& Rect, int Z) const {
    if (!HasPicture()) return;
    TVurCanvas3D* C = Panel.GetCanvas();
    TGraphic* Picture = GetGraphic();
    // The picture leaves out its transparent colour while the panel asks for it.
    Picture->SetTransparent(FTransparent);
    const bool Is3D = Panel.GetView3D();
    // Chart space to the screen; a flat chart draws where it is told.
    const auto Screen = [&](const TRect& R) { return Is3D ? C->CalcRect3D(R, Z) : R; };
    if (FMode == pbmStretch) {
        C->StretchDraw(Screen(Rect), Picture);
        return;
    }
    const bool Clip = Panel.CanClip();
    if (Clip) C->ClipRectangle(Screen(Rect));
    const int W = Picture->GetWidth();
    const int H = Picture->GetHeight();
    if (FMode == pbmTile) {
        for (int Y = Rect.Top; Y < Rect.Bottom; Y += H)
            for (int X = Rect.Left; X < Rect.Right; X += W) {
                if (Is3D)
                    C->StretchDraw(Screen(TRect{X, Y, X + W, Y + H}), Picture);
                else
                    C->Draw(X, Y, Picture);
            }
    } else {
        Panel.FillPanelRect(Screen(Rect));
        TPoint At{Rect.Left + FLeft, Rect.Top + FTop};
        if (FMode == pbmCenter)
            At = TPoint{Rect.Left + (Rect.Right - Rect.Left - W) / 2,
                        Rect.Top + (Rect.Bottom - Rect.Top - H) / 2};
        if (Is3D) At = C->Calculate3DPosition(At, Z);
        C->Draw(At.X, At.Y, Picture);
    }
    if (Clip) C->UnClipRectangle();
}

} // namespace vur
