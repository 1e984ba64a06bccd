#include "chart/DaZezava/Callout.h"

#include "chart/DaZezava/AxisPanel.h"
#include "chart/DaZezava/Series.h"
#include "chart/RoVedure/DrawSettings.h"
#include "chart/RoVedure/VurCanvas3D.h"

namespace vur {

TCallout::TCallout(TChartSeries* AOwner)
    : TSeriesPointer(AOwner), FArrow(std::make_unique<TWhitePen>([this](TPersistent*) { Repaint(); })) {
    SetVisible(false);
    SetDraw3D(false);
    GetBrush()->SetColor(clBlack);
}

TCallout::~TCallout() = default;

void TCallout::Assign(const TPersistent* Source) {
    if (const auto* Other = dynamic_cast<const TCallout*>(Source)) {
        FArrow->Assign(Other->FArrow.get());
        FArrowHead = Other->FArrowHead;
        FArrowHeadSize = Other->FArrowHeadSize;
        FDistance = Other->FDistance;
    }
    TSeriesPointer::Assign(Source);
}

void TCallout::Draw(TCanvas3D& Canvas, TColor Color, const TPoint& From, const TPoint& To, int Z) {
    const TCustomAxisPanel* Chart = GetSeries() ? GetSeries()->GetParentChart() : nullptr;
    const bool Is3D = Chart && Chart->GetView3D();
    if (FArrow->GetVisible()) {
        TColor PenColor = FArrow->GetColor();
        // A line in the colour of what it crosses would vanish.
        if (VurDrawSettings().VurCheckMarkArrowColor && Chart &&
            (PenColor == Color || PenColor == Chart->GetColor()))
            PenColor = Chart->GetColor() == clBlack ? clWhite : clBlack;
        Canvas.AssignVisiblePenColor(FArrow.get(), PenColor);
        Canvas.GetBrush()->SetStyle(bsClear);
        if (FArrowHead == ahNone) {
            if (Is3D)
                Canvas.LineWithZ(From, To, Z);
            else
                Canvas.Line(From, To);
        } else {
            if (FArrowHead == ahSolid) {
                Canvas.GetBrush()->SetStyle(bsSolid);
                Canvas.GetBrush()->SetColor(PenColor);
            }
            Canvas.Arrow(FArrowHead == ahSolid, To, From, FArrowHeadSize, FArrowHeadSize, Z);
        }
    }
    if (FArrowHead != ahNone || !GetVisible()) return;
    const TColor Fill = GetBrush()->GetColor();
    PrepareCanvas(&Canvas, Fill);
    const TPoint At = Is3D ? Canvas.Calculate3DPosition(From, Z) : From;
    DrawPointer(&Canvas, false, At.X, At.Y, GetHorizSize(), GetVertSize(), Fill, GetStyle());
}

} // namespace vur
