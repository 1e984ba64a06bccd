#include "chart/DaZezava/Callout.h"

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

} // namespace vur
