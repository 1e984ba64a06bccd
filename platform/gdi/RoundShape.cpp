#include "platform/gdi/RoundShape.h"

#include <algorithm>
#include <cmath>

namespace vur::gdi {

RoundShape::RoundShape(int Left, int Top, int Right, int Bottom, int CornerWidth, int CornerHeight)
    : FLeft(Left), FTop(Top), FBottom(Bottom) {
    const int W = std::max(Right - Left, 1), H = std::max(Bottom - Top, 1);
    const int Cw = std::clamp(CornerWidth, 1, W), Ch = std::clamp(CornerHeight, 1, H);
    FA2 = Cw - 1;
    FB2 = Ch - 1;
    FSx = W - Cw;
    FSy = H - Ch;
    const double A = FA2 / 2.0, B = FB2 / 2.0, Norm = std::sqrt(A * A + B * B);
    FXStar2 = Norm > 0 ? 2 * A * A / Norm : 0;
    FYStar2 = Norm > 0 ? 2 * B * B / Norm : 0;
}

void RoundShape::HalfRun(long long V2, long long& In2, long long& Out2) const {
    const double A = FA2 / 2.0, B = FB2 / 2.0, V = V2 / 2.0;
    const int Pu = FA2 & 1;
    const long long KLast = (FA2 - Pu) / 2;
    // Half-width of the ideal curve at height V above the centre.
    auto XAt = [&](double Height) {
        if (Height <= 0) return A;
        if (Height > B || B == 0) return 0.0;
        const double R = Height / B;
        return A * std::sqrt(std::max(0.0, 1 - R * R));
    };
    auto Clamp = [&](double K) { return std::clamp(static_cast<long long>(K), 0LL, KLast); };
    // Columns whose nearest row is this one, where the curve is flat.
    long long KMin = Clamp(std::ceil(XAt(V + 0.5) - Pu / 2.0));
    long long KMax = V2 == (FB2 & 1) ? KLast : static_cast<long long>(std::ceil(XAt(V - 0.5) - Pu / 2.0)) - 1;
    KMax = std::min(KMax, static_cast<long long>(std::ceil(FXStar2 / 2 - Pu / 2.0)) - 1);
    const bool Flat = KMin <= KMax;
    if (Flat) {
        In2 = Pu + 2 * KMin;
        Out2 = Pu + 2 * KMax;
    }
    if (V2 <= FYStar2 || !Flat) {
        // The pixel nearest the curve on this row, ties towards the centre.
        const long long S2 = Pu + 2 * Clamp(std::ceil(XAt(V) - Pu / 2.0 - 0.5));
        In2 = Flat ? std::min(In2, S2) : S2;
        Out2 = Flat ? std::max(Out2, S2) : S2;
    }
}

RoundShape::RowRuns RoundShape::Row(int Y) const {
    const int Ch = FB2 + 1;
    int Ye = Y;
    if (Y >= FTop + (Ch + 1) / 2) Ye = Y >= FBottom - (Ch + 1) / 2 ? Y - FSy : FTop + FB2 / 2;
    const long long C2x = 2LL * FLeft + FA2;
    const long long V2 = std::llabs(2LL * Ye - (2LL * FTop + FB2));
    long long In2, Out2;
    HalfRun(V2, In2, Out2);
    RowRuns R;
    R.OuterLeft = static_cast<int>((C2x - Out2) / 2);
    R.OuterRight = static_cast<int>((C2x + Out2) / 2) + 1 + FSx;
    if (In2 == (FA2 & 1)) {
        R.InnerLeft = R.InnerRight = R.OuterRight;
    } else {
        R.InnerLeft = static_cast<int>((C2x - In2) / 2) + 1;
        R.InnerRight = static_cast<int>((C2x + In2) / 2) + FSx;
    }
    return R;
}

} // namespace vur::gdi
