// A series' view of its axes: values to pixels and back, the points that
// fall inside the axis range of the current paint, and the points of the
// chart's current page.
#include "chart/DaZezava/AxisPanel.h"
#include "chart/DaZezava/Series.h"

#include <algorithm>

namespace vur {

int TChartSeries::CalcXPosValue(double Value) const { return FHorizontalAxis->CalcXPosValue(Value); }

int TChartSeries::CalcYPosValue(double Value) const { return FVerticalAxis->CalcYPosValue(Value); }

int TChartSeries::CalcPosValue(double Value) const {
    return FYMandatory ? CalcYPosValue(Value) : CalcXPosValue(Value);
}

int TChartSeries::CalcXPos(int ValueIndex) const { return CalcXPosValue(FXValues->GetValue(ValueIndex)); }

int TChartSeries::CalcYPos(int ValueIndex) const { return CalcYPosValue(FYValues->GetValue(ValueIndex)); }

double TChartSeries::XScreenToValue(int ScreenPos) const { return FHorizontalAxis->CalcPosPoint(ScreenPos); }

double TChartSeries::YScreenToValue(int ScreenPos) const { return FVerticalAxis->CalcPosPoint(ScreenPos); }

int TChartSeries::CalcXSizeValue(double Value) const { return FHorizontalAxis->CalcSizeValue(Value); }

int TChartSeries::CalcYSizeValue(double Value) const { return FVerticalAxis->CalcSizeValue(Value); }

void TChartSeries::CalcFirstLastVisibleIndex() {
    FFirstVisibleIndex = -1;
    FLastVisibleIndex = -1;
    const int Count = this->Count();
    if (Count == 0) return;
    const TChartAxis* Axis = FYMandatory ? FHorizontalAxis : FVerticalAxis;
    if (!FComputeVisibleRange || FNotMandatoryValueList->GetOrder() == loNone || Axis == nullptr ||
        FParentChart == nullptr) {
        FFirstVisibleIndex = 0;
        FLastVisibleIndex = Count - 1;
        return;
    }
    const TRect& R = FParentChart->GetChartRect();
    const bool Inverted = Axis->GetInverted();
    const int LowEdge = FYMandatory ? (Inverted ? R.Right : R.Left) : (Inverted ? R.Top : R.Bottom);
    const int HighEdge = FYMandatory ? (Inverted ? R.Left : R.Right) : (Inverted ? R.Bottom : R.Top);
    const double Low = Axis->CalcPosPoint(LowEdge);
    const double High = Axis->CalcPosPoint(HighEdge);
    const TChartValueList* Positions = FNotMandatoryValueList;
    int First = 0;
    while (First < Count && !(Positions->GetValue(First) >= Low)) ++First;
    if (First == Count) return;
    FFirstVisibleIndex = First;
    if (Positions->Last() > High) {
        int Last = First;
        while (Last < Count - 1 && !(Positions->GetValue(Last) >= High)) ++Last;
        if (!FKeepPointPastEnd && Positions->GetValue(Last) > High) --Last;
        FLastVisibleIndex = Last;
    } else {
        FLastVisibleIndex = Count - 1;
    }
}

void TChartSeries::CalcFirstLastPage(int& First, int& Last) const {
    const int PerPage = FParentChart != nullptr ? FParentChart->GetMaxPointsPerPage() : 0;
    First = 0;
    Last = Count() - 1;
    if (PerPage <= 0 || Last < 0) return;
    const long long Start = static_cast<long long>(FParentChart->GetPage() - 1) * PerPage;
    First = static_cast<int>(std::clamp<long long>(Start, 0, Last));
    Last = static_cast<int>(std::min<long long>(static_cast<long long>(First) + PerPage - 1, Last));
}

} // namespace vur
