// The chart's mouse handling: the part under a click and its events, the
// start of a zoom or scroll drag, the zoom rectangle following the pointer,
// the scroll steps, the end of a drag, the wheel and the pointer leaving.
#include "chart/Chart/Chart.h"
#include "chart/RoVedure/DrawSettings.h"

#include <cstdlib>

namespace vur {

namespace {

bool HasKeys(TShiftState Shift, TShiftState Keys) { return (Shift & Keys) == Keys; }

} // namespace

TChartClickedPart TCustomChart::CalcClickedPart(int X, int Y) const {
    TChartClickedPart Result;
    const bool LegendHit = FLegend->ContainsPoint(X, Y);
    if (LegendHit && FLegend->GetCustomPosition()) {
        Result.Part = cpLegend;
        return Result;
    }
    for (int Index = SeriesCount() - 1; Index >= 0; --Index) {
        TChartSeries* Series = GetSeries(Index);
        // Hit tests cost a walk over the points: only series someone listens to take part.
        if (!Series->GetActive() || !(OnClickSeries || Series->OnClick || Series->OnDblClick)) continue;
        Result.ASeries = Series;
        Result.PointIndex = Series->Clicked(X, Y);
        if (Result.PointIndex != -1) {
            Result.Part = cpSeries;
            return Result;
        }
        if (Series->GetMarks()->GetVisible()) Result.PointIndex = Series->GetMarks()->Clicked(X, Y);
        if (Result.PointIndex != -1) {
            Result.Part = cpSeriesMarks;
            return Result;
        }
    }
    Result.ASeries = nullptr;
    for (int Index = 0; Index < GetAxes()->Count(); ++Index) {
        TChartAxis* Axis = GetAxes()->Get(Index);
        if (!Axis->Clicked(X, Y)) continue;
        Result.Part = cpAxis;
        Result.AAxis = Axis;
        return Result;
    }
    if (LegendHit)
        Result.Part = cpLegend;
    else if (FTitle->Clicked(X, Y))
        Result.Part = cpTitle;
    else if (FSubTitle->Clicked(X, Y))
        Result.Part = cpSubTitle;
    else if (FFoot->Clicked(X, Y))
        Result.Part = cpFoot;
    else if (FSubFoot->Clicked(X, Y))
        Result.Part = cpSubFoot;
    else {
        const TRect& R = GetChartRect();
        bool AnyActive = false;
        for (int Index = 0; Index < SeriesCount() && !AnyActive; ++Index)
            AnyActive = GetSeries(Index)->GetActive();
        if (AnyActive && X >= R.Left && X <= R.Right && Y >= R.Top && Y <= R.Bottom)
            Result.Part = cpChartRect;
    }
    return Result;
}

bool TCustomChart::StartDrag(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (!ActiveSeriesUseAxis()) return false;
    const TRect& R = GetChartRect();
    bool Started = false;
    TVurZoom& Z = *FZoom;
    if (Z.GetAllow() && Button == Z.GetMouseButton() && HasKeys(Shift, Z.GetKeyShift())) {
        if (Z.GetDirection() == tzdVertical) X = R.Left;
        if (Z.GetDirection() == tzdHorizontal) Y = R.Top;
        Z.Activate(X, Y);
        if (Z.GetDirection() == tzdVertical) Z.X1 = R.Right;
        if (Z.GetDirection() == tzdHorizontal) Z.Y1 = R.Bottom;
        ShowZoomDrag();
        Started = true;
    }
    if (FAllowPanning != pmNone && Button == FScrollMouseButton &&
        HasKeys(Shift, VurDrawSettings().VurScrollKeyShift)) {
        FPanning.Activate(X, Y);
        Started = true;
    }
    if (Started) SetCursor(FOriginalCursor);
    return Started;
}

void TCustomChart::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    FCancelMouse = false;
    TCustomAxisPanel::MouseDown(Button, Shift, X, Y);
    TVurMouseEvent Event(meDown, Button, Shift, X, Y);
    Listeners().Broadcast(this, Event);
    if (FCancelMouse || FZoom->Active || FPanning.Active) return;
    if (GetTools().BroadcastMouse(cmeDown, Button, Shift, X, Y)) return;
    const TChartClickedPart Part = CalcClickedPart(X, Y);
    // A handler that leaves the flag set has handled the click.
    const auto Report = [this](const auto& Handler, auto&&... Args) {
        if (!Handler) return false;
        FCancelMouse = true;
        Handler(this, Args...);
        return FCancelMouse;
    };
    bool Handled = false;
    bool BackgroundReported = false;
    switch (Part.Part) {
    case cpLegend:
        FLegend->DoMouseDown(X, Y);
        Handled = Report(OnClickLegend, Button, Shift, X, Y);
        break;
    case cpAxis:
        Handled = Report(OnClickAxis, Part.AAxis, Button, Shift, X, Y) || StartDrag(Button, Shift, X, Y);
        break;
    case cpSeries: {
        TChartSeries* Series = Part.ASeries;
        const TSeriesClick& Own = (Shift & ssDouble) != 0 ? Series->OnDblClick : Series->OnClick;
        bool OwnHandled = false;
        if (Own) {
            FCancelMouse = true;
            Own(Series, Part.PointIndex, Button, Shift, X, Y);
            OwnHandled = FCancelMouse;
        }
        const bool ChartHandled = Report(OnClickSeries, Series, Part.PointIndex, Button, Shift, X, Y);
        Handled = OwnHandled || ChartHandled || StartDrag(Button, Shift, X, Y);
        break;
    }
    case cpTitle:
    case cpSubTitle:
    case cpFoot:
    case cpSubFoot: {
        TChartTitle* Title = Part.Part == cpTitle      ? FTitle.get()
                             : Part.Part == cpSubTitle ? FSubTitle.get()
                             : Part.Part == cpFoot     ? static_cast<TChartTitle*>(FFoot.get())
                                                       : static_cast<TChartTitle*>(FSubFoot.get());
        Handled = Report(OnClickTitle, Title, Button, Shift, X, Y) || StartDrag(Button, Shift, X, Y);
        break;
    }
    case cpChartRect:
        BackgroundReported = static_cast<bool>(OnClickBackground);
        Handled = Report(OnClickBackground, Button, Shift, X, Y) || StartDrag(Button, Shift, X, Y);
        break;
    case cpSeriesMarks:
    case cpNone:
        break;
    }
    // The plot area has reported its click once already.
    if (!Handled && !BackgroundReported) Report(OnClickBackground, Button, Shift, X, Y);
    FCancelMouse = false;
}

bool TCustomChart::ScrollAxes(bool Horizontal, int New, int Old) {
    if (New == Old) return false;
    if (FAllowPanning != pmBoth && FAllowPanning != (Horizontal ? pmHorizontal : pmVertical)) return false;
    const TChartAxes& Axes = *GetAxes();
    for (int Index = 0; Index < Axes.Count(); ++Index) {
        TChartAxis* Axis = Axes.Get(Index);
        if (Axis->GetIsDepthAxis() || Axis->GetHorizontal() != Horizontal) continue;
        const double Delta = Axis->CalcPosPoint(Old) - Axis->CalcPosPoint(New);
        double AMin = Axis->GetMinimum() + Delta;
        double AMax = Axis->GetMaximum() + Delta;
        bool AllowScroll = true;
        if (OnAllowScroll) OnAllowScroll(Axis, AMin, AMax, AllowScroll);
        if (AllowScroll) Axis->SetMinMax(AMin, AMax);
    }
    return true;
}

void TCustomChart::MouseMove(TShiftState Shift, int X, int Y) {
    FCancelMouse = false;
    TCustomAxisPanel::MouseMove(Shift, X, Y);
    const bool Designing = HasState(csDesigning);
    if (Listeners().Count() > 0 && !Designing) {
        TVurMouseEvent Event(meMove, mbLeft, Shift, X, Y);
        Listeners().Broadcast(this, Event);
    }
    if (!Designing && GetTools().BroadcastMouse(cmeMove, mbLeft, Shift, X, Y)) FCancelMouse = true;
    if (FCancelMouse) return;
    const TRect& R = GetChartRect();
    if (FZoom->Active) {
        if (FZoom->GetDirection() == tzdVertical) X = R.Right;
        if (FZoom->GetDirection() == tzdHorizontal) Y = R.Bottom;
        if (X == FZoom->X1 && Y == FZoom->Y1) return;
        EraseZoomRectangle();
        FZoom->X1 = X;
        FZoom->Y1 = Y;
        ShowZoomDrag();
        return;
    }
    if (FPanning.Active) {
        if (X < R.Left || X > R.Right || Y < R.Top || Y > R.Bottom) {
            FPanning.Active = false;
            return;
        }
        if (X == FPanning.X1 && Y == FPanning.Y1) return;
        if (!FScalesSaved) {
            FSavedScales = SaveScales();
            FScalesSaved = true;
        }
        // Each step measures from the previous position, so the plot follows
        // the pointer both ways.
        const bool ScrolledX = ScrollAxes(true, X, FPanning.X1);
        const bool ScrolledY = ScrollAxes(false, Y, FPanning.Y1);
        FPanning.X1 = X;
        FPanning.Y1 = Y;
        if (ScrolledX || ScrolledY) {
            if (OnScroll) OnScroll(this);
            Invalidate();
        }
        return;
    }
    if (!SeriesHover(X, Y)) SetCursor(FOriginalCursor);
}

bool TCustomChart::SeriesHover(int X, int Y) {
    for (int Index = SeriesCount() - 1; Index >= 0; --Index) {
        TChartSeries* Series = GetSeries(Index);
        if (!Series->GetActive() || Series->GetCursor() == crDefault || Series->Clicked(X, Y) == -1) continue;
        SetCursor(Series->GetCursor());
        return true;
    }
    return false;
}

void TCustomChart::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    FCancelMouse = false;
    TCustomAxisPanel::MouseUp(Button, Shift, X, Y);
    TVurMouseEvent Event(meUp, Button, Shift, X, Y);
    Listeners().Broadcast(this, Event);
    TVurZoom& Z = *FZoom;
    if (Z.Active && Button == Z.GetMouseButton()) {
        EraseZoomRectangle();
        Z.Active = false;
        if (TPen* Pen = GetCanvas()->GetPen()) Pen->SetMode(pmCopy);
        ShowZoomDrag();
        if (Z.GetDirection() != tzdVertical) Z.X1 = X;
        if (Z.GetDirection() != tzdHorizontal) Z.Y1 = Y;
        const bool WideEnough =
            Z.GetDirection() == tzdVertical || std::abs(Z.X1 - Z.X0) > Z.GetMinimumPixels();
        const bool TallEnough =
            Z.GetDirection() == tzdHorizontal || std::abs(Z.Y1 - Z.Y0) > Z.GetMinimumPixels();
        if (WideEnough && TallEnough) {
            const bool Forward = Z.GetDirection() == tzdVertical ? Z.Y1 > Z.Y0 : Z.X1 > Z.X0;
            if (Z.GetUpLeftZooms() || Forward)
                CalcZoomPoints();
            else
                UndoZoom();
            Invalidate();
        }
    }
    FPanning.Active = false;
    GetTools().BroadcastMouse(cmeUp, Button, Shift, X, Y);
}

bool TCustomChart::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
    const bool Handled = TCustomAxisPanel::DoMouseWheel(Shift, WheelDelta, MousePos);
    if (!VurDrawSettings().VurUseMouseWheel || WheelDelta == 0) return Handled;
    ScrollVerticalAxes(WheelDelta < 0);
    return true;
}

void TCustomChart::MouseLeave() {
    SetCursor(FOriginalCursor);
    FPanning.Active = false;
    TCustomAxisPanel::MouseLeave();
    GetTools().Broadcast(cteMouseLeave);
}

} // namespace vur
