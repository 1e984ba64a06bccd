#include "chart/VurProcs/ChartTool.h"

#include "chart/DaZezava/AxisPanel.h"

#include <algorithm>

namespace vur {

TChartTool::~TChartTool() { SetParentChart(nullptr); }

void TChartTool::SetActive(bool Value) {
    if (FActive == Value) return;
    FActive = Value;
    if (FParentChart) FParentChart->Invalidate();
}

void TChartTool::SetParentChart(TCustomAxisPanel* Value) {
    if (FParentChart == Value) return;
    if (FParentChart) {
        FParentChart->GetTools().Remove(this);
        FParentChart->Invalidate();
    }
    FParentChart = Value;
    if (FParentChart) {
        FParentChart->GetTools().Add(this);
        FParentChart->Invalidate();
    }
}

int TChartToolList::IndexOf(const TChartTool* Tool) const {
    const auto It = std::find(FItems.begin(), FItems.end(), Tool);
    return It == FItems.end() ? -1 : static_cast<int>(It - FItems.begin());
}

void TChartToolList::Add(TChartTool* Tool) {
    if (IndexOf(Tool) < 0) FItems.push_back(Tool);
}

void TChartToolList::Remove(const TChartTool* Tool) {
    const int Index = IndexOf(Tool);
    if (Index >= 0) FItems.erase(FItems.begin() + Index);
}

void TChartToolList::Broadcast(TChartToolEvent Event) const {
    // By index: a tool may leave the list while it is told.
    for (std::size_t Index = 0; Index < FItems.size(); ++Index)
        if (FItems[Index]->GetActive()) FItems[Index]->ChartEvent(Event);
}

bool TChartToolList::BroadcastMouse(TChartMouseEvent Event, TMouseButton Button, TShiftState Shift, int X,
                                    int Y) const {
    for (std::size_t Index = 0; Index < FItems.size(); ++Index)
        if (FItems[Index]->GetActive() && FItems[Index]->ChartMouseEvent(Event, Button, Shift, X, Y))
            return true;
    return false;
}

} // namespace vur
