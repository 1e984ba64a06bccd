// The paint of an axis panel: the fixed order of layers, the depth slots, the
// axes' room and ranges, and the drawing of every series.
#include "chart/DaZezava/AxisPanel.h"
#include "chart/VurConst.h"
#include "framework/Exceptions.h"
#include "framework/ScopedValue.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace vur {

int TCustomAxisPanel::MultiLineTextWidth(const std::string& Text, int& NumLines) const {
    const TMultiLineSize Size = MultiLineTextSize(*GetCanvas(), Text);
    NumLines = Size.Lines;
    return Size.Width;
}

void TCustomAxisPanel::SetChart3DPercent(int Value) {
    if (Value < 1 || Value > 100) {
        char Message[96];
        std::snprintf(Message, sizeof Message, VurMsg_Chart3DPercent, 1, 100);
        throw Exception(Message);
    }
    SetIntegerProperty(FChart3DPercent, Value);
}

bool TCustomAxisPanel::ActiveSeriesUseAxis() const {
    for (int Index = 0; Index < SeriesCount(); ++Index) {
        const TChartSeries* Series = GetSeries(Index);
        if (Series->GetActive() && Series->UseAxis()) return true;
    }
    return false;
}

void TCustomAxisPanel::DoOnAfterDraw() {
    if (OnAfterDraw) OnAfterDraw(this);
}

void TCustomAxisPanel::DoOnBeforeDrawAxes() {
    if (OnBeforeDrawAxes) OnBeforeDrawAxes(this);
}

void TCustomAxisPanel::DoOnBeforeDrawChart() {
    if (OnBeforeDrawChart) OnBeforeDrawChart(this);
}

void TCustomAxisPanel::DoOnBeforeDrawSeries() {
    if (OnBeforeDrawSeries) OnBeforeDrawSeries(this);
}

bool TCustomAxisPanel::DrawBackWallAfter(int Z) const {
    if (!GetView3D()) return false;
    // The plot's corners wind the other way round when the view looks at the
    // back of the back wall.
    const TFourPoints P = GetCanvas()->FourPointsFromRect(GetChartRect(), Z);
    const long long Winding = static_cast<long long>(P[3].X - P[2].X) * (P[1].Y - P[2].Y) -
                              static_cast<long long>(P[1].X - P[2].X) * (P[3].Y - P[2].Y);
    return Winding < 0;
}

void TCustomAxisPanel::InternalDraw(const TRect& UserRect) {
    // Nothing drawn (or any handler called) from here on may ask for another paint.
    const TScopedValue Hold(GetAutoRepaint(), false, [this](bool On) { SetAutoRepaint(On); });
    TVurCanvas3D* Canvas = GetCanvas();
    const bool FullRotation = Canvas->GetSupportsFullRotation();
    const TView3DOptions* Options = GetView3DOptions();
    SetInvertedRotation(GetView3D() && (Options->GetOrthogonal() ? Options->GetOrthoAngle() > 90
                                                                 : Options->GetRotation() < 180));
    if (!FullRotation) PanelPaint(UserRect);
    FTools.Broadcast(cteBeforeDraw);
    DoOnBeforeDrawChart();
    for (int Index = 0; Index < SeriesCount(); ++Index)
        if (GetSeries(Index)->GetActive()) GetSeries(Index)->DoBeforeDrawChart();
    if (!FullRotation) DrawTitlesAndLegend(true);
    CalcZOrders();
    CalcWallsRect();
    const TRect BeforeAxes = GetChartRect();
    CalcAxesRect();
    for (int Index = 0; Index < SeriesCount(); ++Index)
        if (GetSeries(Index)->GetActive()) GetSeries(Index)->CalcDepthPositions();
    CalcSeriesMargins();
    Canvas->Projection(GetWidth3D(), GetChartBounds(), GetChartRect());
    if (FullRotation) {
        const TRect Saved = GetChartRect();
        SetChartRect(BeforeAxes);
        PanelPaint(UserRect);
        DrawTitlesAndLegend(true);
        SetChartRect(Saved);
    }
    DrawWalls();
    if (GetAxisBehind()) {
        FTools.Broadcast(cteBeforeDrawAxes);
        DrawAxes();
    }
    FTools.Broadcast(cteBeforeDrawSeries);
    DoOnBeforeDrawSeries();
    DrawAllSeries();
    FTools.Broadcast(cteAfterDrawSeries);
    if (!GetAxisBehind()) {
        FTools.Broadcast(cteBeforeDrawAxes);
        DrawAxes();
    }
    DrawTitlesAndLegend(false);
    DrawZoomRectangle();
    FTools.Broadcast(cteAfterDraw);
    Canvas->ResetState();
    DoOnAfterDraw();
}

void TCustomAxisPanel::CalcZOrders() {
    SetMaxZOrder(0);
    const bool Slots = GetApplyZOrder() && GetView3D();
    if (Slots) {
        SetMaxZOrder(-1);
        for (int Index = 0; Index < SeriesCount(); ++Index)
            if (GetSeries(Index)->GetActive()) GetSeries(Index)->CalcZOrder();
    }
    const bool Inverted = GetDepthAxis()->GetInverted();
    for (int Index = 0; Index < SeriesCount(); ++Index) {
        TChartSeries* Series = GetSeries(Index);
        if (!Series->GetActive()) continue;
        if (!Slots)
            Series->SetSeriesDepthSlot(0);
        else
            Series->SetSeriesDepthSlot(Inverted ? Series->GetCalcZOrder()
                                                : GetMaxZOrder() - Series->GetCalcZOrder());
    }
}

void TCustomAxisPanel::CalcAxesRect() {
    const TChartAxes& Axes = *GetAxes();
    for (int Index = 0; Index < Axes.Count(); ++Index) {
        TChartAxis* Axis = Axes.Get(Index);
        Axis->SetVisibleInPaint(CalcIsAxisVisible(Axis));
        Axis->AdjustMaxMin();
    }
    for (int Index = 0; Index < Axes.Count(); ++Index) Axes.Get(Index)->InternalCalcPositions();
    TRect A = GetChartRect();
    for (int Index = 0; Index < Axes.Count(); ++Index) {
        TChartAxis* Axis = Axes.Get(Index);
        if (!Axis->GetVisibleInPaint()) continue;
        TRect T = A;
        // Every standard axis but the last, the top depth axis, inflates the
        // chart rectangle.
        CalcAxisRect(Axis, T, Index < StandardAxisCount - 1);
        // An axis whose bands would leave no plot is ignored.
        const TRect Both{std::max(T.Left, A.Left), std::max(T.Top, A.Top), std::min(T.Right, A.Right),
                         std::min(T.Bottom, A.Bottom)};
        if (Both.Left < Both.Right && Both.Top < Both.Bottom) A = Both;
    }
    SetChartRect(A);
    ReCalcWidthHeight();
    for (int Index = 0; Index < Axes.Count(); ++Index) Axes.Get(Index)->InternalCalcPositions();
}

void TCustomAxisPanel::CalcSeriesMargins() {
    const TChartAxes& Axes = *GetAxes();
    for (int AxisIndex = 0; AxisIndex < Axes.Count(); ++AxisIndex) {
        TChartAxis* Axis = Axes.Get(AxisIndex);
        const bool Horizontal = Axis->GetHorizontal();
        TRect M{0, 0, 0, 0};
        for (int Index = 0; Index < SeriesCount(); ++Index) {
            const TChartSeries* Series = GetSeries(Index);
            if (!Series->GetActive() || !Series->AssociatedToAxis(Axis)) continue;
            int Low = 0;
            int High = 0;
            if (Horizontal) {
                Series->CalcHorizMargins(Low, High);
                if (Axis->GetAutomaticMinimum()) M.Left = std::max(M.Left, Low);
                if (Axis->GetAutomaticMaximum()) M.Right = std::max(M.Right, High);
            } else {
                Series->CalcVerticalMargins(High, Low);
                if (Axis->GetAutomaticMaximum()) M.Top = std::max(M.Top, High);
                if (Axis->GetAutomaticMinimum()) M.Bottom = std::max(M.Bottom, Low);
            }
        }
        const int MinOffset = Axis->GetMinimumOffset();
        const int MaxOffset = Axis->GetMaximumOffset();
        const bool Inverted = Axis->GetInverted();
        if (Horizontal) {
            (Inverted ? M.Right : M.Left) += MinOffset;
            (Inverted ? M.Left : M.Right) += MaxOffset;
        } else {
            (Inverted ? M.Top : M.Bottom) += MinOffset;
            (Inverted ? M.Bottom : M.Top) += MaxOffset;
        }
        Axis->AdjustMaxMinRect(M);
    }
}

void TCustomAxisPanel::DrawAxes() {
    if (!GetAxisVisible()) return;
    DoOnBeforeDrawAxes();
    const TChartAxes& Axes = *GetAxes();
    // With the back wall in front the walls draw the bottom axis themselves.
    const bool BottomWithWalls = DrawBackWallAfter(0);
    for (int Index = 0; Index < Axes.Count(); ++Index) {
        TChartAxis* Axis = Axes.Get(Index);
        if (!Axis->GetVisibleInPaint() || (Axis == GetBottomAxis() && BottomWithWalls)) continue;
        Axis->Draw(true);
    }
}

void TCustomAxisPanel::ClipSeriesRect() {
    if (!CanClip()) return;
    const TRect& R = GetChartRect();
    GetCanvas()->ClipCube(TRect{R.Left, R.Top, R.Right, R.Bottom + 1}, 0, GetWidth3D());
    FClippedSeries = true;
}

void TCustomAxisPanel::UnClipSeriesRect() {
    if (!FClippedSeries) return;
    GetCanvas()->UnClipRectangle();
    FClippedSeries = false;
}

void TCustomAxisPanel::DrawSeries(TChartSeries* Series) {
    Series->CalcFirstLastVisibleIndex();
    if (Series->GetFirstVisibleIndex() == -1) return;
    Series->DoBeforeDrawValues();
    if (Series->UseAxis() && GetClipPoints()) ClipSeriesRect();
    Series->DrawAllValues();
    UnClipSeriesRect();
    DrawSeriesMarks(Series);
    Series->DoAfterDrawValues();
}

void TCustomAxisPanel::DrawSeriesMarks(TChartSeries* Series) {
    if (Series->Count() == 0 || !Series->GetMarks()->GetVisible()) return;
    if (Series->GetMarks()->GetClip()) ClipSeriesRect();
    Series->DrawMarks();
    UnClipSeriesRect();
}

void TCustomAxisPanel::DrawSeriesZOrder(TChartSeries* First) {
    std::vector<TChartSeries*> Group;
    int Low = -1;
    int High = -1;
    for (int Index = 0; Index < SeriesCount(); ++Index) {
        TChartSeries* Series = GetSeries(Index);
        if (!Series->GetActive() || Series->GetCalcZOrder() != First->GetCalcZOrder()) continue;
        Series->CalcFirstLastVisibleIndex();
        if (Series->GetFirstVisibleIndex() == -1) continue;
        Group.push_back(Series);
        Series->DoBeforeDrawValues();
        if (!FClippedSeries && Series->UseAxis() && GetClipPoints()) ClipSeriesRect();
        Low = Low < 0 ? Series->GetFirstVisibleIndex() : std::min(Low, Series->GetFirstVisibleIndex());
        High = std::max(High, Series->GetLastVisibleIndex());
    }
    if (Group.empty()) return;
    const bool ValuesForward = First->DrawValuesForward();
    const bool SeriesForward = First->DrawSeriesForward();
    const int Count = static_cast<int>(Group.size());
    for (int Step = 0; Step <= High - Low; ++Step) {
        const int Point = ValuesForward ? Low + Step : High - Step;
        for (int I = 0; I < Count; ++I) {
            TChartSeries* Series = Group[static_cast<std::size_t>(SeriesForward ? I : Count - 1 - I)];
            if (Point >= Series->GetFirstVisibleIndex() && Point <= Series->GetLastVisibleIndex())
                Series->DrawValue(Point);
        }
    }
    UnClipSeriesRect();
    for (TChartSeries* Series : Group) {
        DrawSeriesMarks(Series);
        Series->DoAfterDrawValues();
    }
}

void TCustomAxisPanel::DrawAllSeries() {
    const int Count = SeriesCount();
    const bool Reversed = GetDepthAxis()->GetInverted() != DrawBackWallAfter(GetWidth3D());
    for (int Step = 0; Step < Count; ++Step) {
        TChartSeries* Series = GetSeries(Reversed ? Count - 1 - Step : Step);
        if (!Series->GetActive()) continue;
        if (!GetView3D() || !Series->MoreSameZOrder()) {
            DrawSeries(Series);
            continue;
        }
        // Only the first series of a shared z-order, in list order, draws the group.
        bool FirstOfGroup = true;
        for (int Index = 0; Index < SeriesCount() && GetSeries(Index) != Series; ++Index) {
            const TChartSeries* Other = GetSeries(Index);
            if (Other->GetActive() && Other->GetCalcZOrder() == Series->GetCalcZOrder()) FirstOfGroup = false;
        }
        if (FirstOfGroup) DrawSeriesZOrder(Series);
    }
}

} // namespace vur
