#include "chart/RoVedure/GradientPainter.h"

namespace vur {

TGradientPainter::TGradientPainter(TVurCanvas& Canvas) : FCanvas(Canvas) {
    if (TBrush* Brush = FCanvas.GetBrush()) FSaved.Assign(Brush);
}

TGradientPainter::~TGradientPainter() {
    if (FChanged) FCanvas.GetBrush()->Assign(&FSaved);
}

TRect TGradientPainter::Visible(const TRect& Area) const {
    const TCanvas* Surface = FCanvas.GetReferenceCanvas();
    if (!Surface) return TRect{};
    return TRect{std::max(Area.Left, 0), std::max(Area.Top, 0), std::min(Area.Right, Surface->GetWidth()),
                 std::min(Area.Bottom, Surface->GetHeight())};
}

void TGradientPainter::Fill(int Left, int Top, int Right, int Bottom, TColor Color) {
    if (Right <= Left || Bottom <= Top) return;
    TBrush* Brush = FCanvas.GetBrush();
    if (!FHasColor) {
        Brush->SetBitmap(nullptr);
        Brush->SetStyle(bsSolid);
    }
    if (!FHasColor || Color != FColor) {
        Brush->SetColor(Color);
        FColor = Color;
        FHasColor = true;
        FChanged = true;
    }
    FCanvas.FillRect(TRect{Left, Top, Right, Bottom});
}

void TGradientPainter::FillWithPattern(const TRect& V, const TBitmap& Pattern) {
    TBrush* Brush = FCanvas.GetBrush();
    Brush->SetStyle(bsSolid);
    Brush->SetBitmap(&Pattern);
    FChanged = true;
    FHasColor = false;
    FCanvas.FillRect(V);
    Brush->SetBitmap(nullptr);
}

} // namespace vur
