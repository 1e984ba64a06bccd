// Chart tools: components that hook into a chart's paint and mouse handling.
// The panel broadcasts every stage of its paint to the active tools in list
// order; the tools themselves (cursors, annotations, ...) grow from here.
#pragma once

#include "framework/Classes.h"
#include "framework/Controls.h"

#include <cstdint>
#include <vector>

namespace vur {

class TCustomAxisPanel;

enum TChartMouseEvent : std::uint8_t { cmeDown, cmeMove, cmeUp };

// Pipeline stages a tool hears about; the ordinals are part of the interface.
enum TChartToolEvent : std::uint8_t {
    cteAfterDraw,
    cteBeforeDrawSeries,
    cteBeforeDraw,
    cteBeforeDrawAxes,
    cteAfterDrawSeries,
    cteMouseLeave
};

class TChartTool : public TComponent {
public:
    explicit TChartTool(TComponent* AOwner) : TComponent(AOwner) {}
    // Leaves its chart's tool list.
    ~TChartTool() override;

    std::string ClassName() const override { return "TChartTool"; }

    bool GetActive() const { return FActive; }
    void SetActive(bool Value);
    TCustomAxisPanel* GetParentChart() const { return FParentChart; }
    // Moves the tool to the tool list of Value (none: of no chart).
    void SetParentChart(TCustomAxisPanel* Value);

    // One stage of the chart's paint (or its mouse handling).
    virtual void ChartEvent(TChartToolEvent) {}
    // A mouse message on the chart; true when the tool has handled it, which
    // stops the tools after it and the chart's own handling.
    virtual bool ChartMouseEvent(TChartMouseEvent, TMouseButton, TShiftState, int, int) { return false; }

private:
    bool FActive = true;
    TCustomAxisPanel* FParentChart = nullptr;
};

// The tools of one chart, in the order they were added; not owned.
class TChartToolList {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    TChartTool* Get(int Index) const { return FItems[static_cast<std::size_t>(Index)]; }
    int IndexOf(const TChartTool* Tool) const;
    void Add(TChartTool* Tool);
    void Remove(const TChartTool* Tool);
    // Every active tool hears Event, in list order.
    void Broadcast(TChartToolEvent Event) const;
    // Every active tool in list order until one handles the message.
    bool BroadcastMouse(TChartMouseEvent Event, TMouseButton Button, TShiftState Shift, int X, int Y) const;

private:
    std::vector<TChartTool*> FItems;
};

} // namespace vur
