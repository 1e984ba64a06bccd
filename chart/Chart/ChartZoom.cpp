// Zoom and scroll of the chart's axes: zoom to a pixel rectangle or by a
// percentage, animated or at once, the ranges saved before the first zoom or
// scroll and their return, the wheel's scroll of the vertical axes, and the
// zoom rectangle drawn inverted so that drawing it twice removes it.
#include "chart/Chart/Chart.h"
#include "chart/RoVedure/Geometry.h"

#include "chart/RoVedure/DrawSettings.h"
#include "framework/SystemColors.h"

#include <algorithm>
#include <array>

namespace vur {

void TCustomChart::ZoomRect(const TRect& Rect) {
    FZoom->X0 = Rect.Left;
    FZoom->Y0 = Rect.Top;
    FZoom->X1 = Rect.Right;
    FZoom->Y1 = Rect.Bottom;
    CalcZoomPoints();
}

void TCustomChart::CalcZoomPoints() {
    FZoom->Check();
    const TVurZoom& Z = *FZoom;
    // Vertical axes: the lower pixel edge gives the first value.
    DoZoom(GetTopAxis()->CalcPosPoint(Z.X0), GetTopAxis()->CalcPosPoint(Z.X1),
           GetBottomAxis()->CalcPosPoint(Z.X0), GetBottomAxis()->CalcPosPoint(Z.X1),
           GetLeftAxis()->CalcPosPoint(Z.Y1), GetLeftAxis()->CalcPosPoint(Z.Y0),
           GetRightAxis()->CalcPosPoint(Z.Y1), GetRightAxis()->CalcPosPoint(Z.Y0));
}

void TCustomChart::DoZoom(double TopMin, double TopMax, double BottomMin, double BottomMax, double LeftMin,
                          double LeftMax, double RightMin, double RightMax) {
    if (!FScalesSaved) {
        FSavedScales = SaveScales();
        FScalesSaved = true;
    }
    struct TTarget {
        TChartAxis* Axis;
        double Min;
        double Max;
    };
    const std::array<TTarget, 4> Targets{
        TTarget{GetLeftAxis(), LeftMin, LeftMax}, TTarget{GetRightAxis(), RightMin, RightMax},
        TTarget{GetTopAxis(), TopMin, TopMax}, TTarget{GetBottomAxis(), BottomMin, BottomMax}};
    if (FZoom->GetAnimated()) {
        for (int Step = 1; Step < FZoom->GetAnimatedSteps(); ++Step) {
            for (const TTarget& T : Targets) {
                const double Min = T.Axis->GetMinimum();
                const double Max = T.Axis->GetMaximum();
                T.Axis->SetMinMax(Min + (T.Min - Min) / VurDrawSettings().AnimatedZoomFactor,
                                  Max - (Max - T.Max) / VurDrawSettings().AnimatedZoomFactor);
            }
            RepaintNow();
        }
    }
    for (const TTarget& T : Targets) T.Axis->SetMinMax(T.Min, T.Max);
    FZoomed = true;
    if (OnZoom) OnZoom(this);
}

void TCustomChart::ZoomPercent(double PercentZoom) {
    std::array<double, 8> Values{};
    const std::array<TChartAxis*, 4> Axes{GetTopAxis(), GetBottomAxis(), GetLeftAxis(), GetRightAxis()};
    for (std::size_t Index = 0; Index < Axes.size(); ++Index) {
        const TChartAxis* Axis = Axes[Index];
        const bool Horizontal = Axis->GetHorizontal();
        double A = Axis->CalcPosPoint(Horizontal ? Axis->GetPixelStart() : Axis->GetPixelEnd());
        double B = Axis->CalcPosPoint(Horizontal ? Axis->GetPixelEnd() : Axis->GetPixelStart());
        if (FZoom->GetDirection() != (Horizontal ? tzdVertical : tzdHorizontal)) {
            const double C = (B - A) * (PercentZoom - 100) * 0.01;
            A += C;
            B -= C;
        }
        Values[2 * Index] = A;
        Values[2 * Index + 1] = B;
    }
    DoZoom(Values[0], Values[1], Values[2], Values[3], Values[4], Values[5], Values[6], Values[7]);
    RepaintNow();
}

void TCustomChart::UndoZoom() {
    if (FScalesSaved) {
        RestoreScales(FSavedScales);
        FSavedScales.clear();
        FScalesSaved = false;
    }
    if (OnUndoZoom) OnUndoZoom(this);
    Invalidate();
    FZoomed = false;
}

std::vector<TAxisSavedScales> TCustomChart::SaveScales() const {
    const TChartAxes& Axes = *GetAxes();
    std::vector<TAxisSavedScales> Result(static_cast<std::size_t>(Axes.Count()));
    for (int Index = 0; Index < Axes.Count(); ++Index) {
        const TChartAxis* Axis = Axes.Get(Index);
        if (Axis->GetIsDepthAxis()) continue;
        TAxisSavedScales& S = Result[static_cast<std::size_t>(Index)];
        S.Automatic = Axis->GetAutomatic();
        S.AutomaticMinimum = Axis->GetAutomaticMinimum();
        S.AutomaticMaximum = Axis->GetAutomaticMaximum();
        S.Minimum = Axis->GetMinimum();
        S.Maximum = Axis->GetMaximum();
    }
    return Result;
}

void TCustomChart::RestoreScales(const std::vector<TAxisSavedScales>& Saved) {
    const TChartAxes& Axes = *GetAxes();
    // Axes added since the save keep their ranges.
    const int Count = std::min(Axes.Count(), static_cast<int>(Saved.size()));
    for (int Index = 0; Index < Count; ++Index) {
        TChartAxis* Axis = Axes.Get(Index);
        if (Axis->GetIsDepthAxis()) continue;
        const TAxisSavedScales& S = Saved[static_cast<std::size_t>(Index)];
        Axis->SetAutomatic(S.Automatic);
        Axis->SetAutomaticMinimum(S.AutomaticMinimum);
        Axis->SetAutomaticMaximum(S.AutomaticMaximum);
        const double Min = S.Minimum;
        const double Max = S.Maximum;
        if (Min > Max) continue;
        // The order that never puts the two ends the wrong way round.
        if (Min > Axis->GetMaximum()) {
            Axis->SetMaximum(Max);
            Axis->SetMinimum(Min);
        } else {
            Axis->SetMinimum(Min);
            Axis->SetMaximum(Max);
        }
    }
}

void TCustomChart::ScrollVerticalAxes(bool Up) {
    const TChartAxes& Axes = *GetAxes();
    for (int Index = 0; Index < Axes.Count(); ++Index) {
        TChartAxis* Axis = Axes.Get(Index);
        if (Axis->GetHorizontal()) continue;
        const double Offset = (Axis->GetMaximum() - Axis->GetMinimum()) * 3 * 0.01;
        Axis->Scroll(Up ? Offset : -Offset, false);
    }
}

bool TCustomChart::ZoomFillsWithGradient() const {
    const TVurZoomBrush* Brush = FZoom->FindBrush();
    return Brush != nullptr && Brush->FindGradient() != nullptr && Brush->FindGradient()->GetVisible();
}

void TCustomChart::DrawZoomRectangle() {
    TVurCanvas3D* Canvas = GetCanvas();
    if (!FZoom->Active || Canvas->GetReferenceCanvas() == nullptr) return;
    const TColor Back = ColorToRGB(GetBackColor()) & 0xFFFFFF;
    const TColor Inverse = 0xFFFFFF - Back;
    const TVurZoomBrush* Brush = FZoom->FindBrush();
    if (ZoomFillsWithGradient()) {
        Brush->FindGradient()->Draw(*Canvas,
                                    OrientRectangle(TRect{FZoom->X0, FZoom->Y0, FZoom->X1, FZoom->Y1}));
        Canvas->GetBrush()->SetStyle(bsClear);
    } else if (Brush != nullptr) {
        TColor C = (ColorToRGB(Brush->GetColor()) & 0xFFFFFF) ^ Inverse;
        if (Brush->GetStyle() != bsSolid && C == Back) C = Back == clBlack ? clWhite : clBlack;
        Canvas->AssignBrushColor(Brush, C, Back);
    } else {
        Canvas->GetBrush()->SetStyle(bsClear);
    }
    TVurZoomPen* Pen = FZoom->GetPen();
    Pen->SetMode(pmNotXor);
    Canvas->AssignVisiblePenColor(Pen, (ColorToRGB(Pen->GetColor()) & 0xFFFFFF) ^ Inverse);
    Canvas->GetPen()->SetMode(pmNotXor);
    if (Brush == nullptr || Canvas->GetBrush()->GetStyle() == bsClear) Canvas->SetBackMode(cbmTransparent);
    Canvas->Rectangle(FZoom->X0, FZoom->Y0, FZoom->X1, FZoom->Y1);
}

void TCustomChart::EraseZoomRectangle() {
    // A gradient fill cannot be drawn away: ShowZoomDrag draws the chart afresh.
    if (!ZoomFillsWithGradient()) DrawZoomRectangle();
}

void TCustomChart::ShowZoomDrag() {
    if (ZoomFillsWithGradient()) {
        RepaintNow();
        return;
    }
    DrawZoomRectangle();
    ShowWindowImage();
}

void TCustomChart::RepaintNow() {
    GetCanvas()->Invalidate();
    PaintWindow();
}

void TCustomChart::ShowWindowImage() {
    // The buffer no longer matches the window: the next paint draws afresh,
    // with the rectangle where it is now.
    GetCanvas()->Invalidate();
    ShowBitmap(GetWindowImage());
}

} // namespace vur
