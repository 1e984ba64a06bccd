// What the chart's mouse handling tells others: the part of the chart under
// the pointer, the click events that report it, and the mouse events handed
// to the panel's listeners.
#pragma once

#include "chart/VurProcs/EventListeners.h"
#include "framework/Controls.h"

#include <cstdint>
#include <functional>

namespace vur {

class TChartAxis;
class TChartSeries;
class TChartTitle;

enum TChartClickedPartStyle : std::uint8_t {
    cpNone,
    cpLegend,
    cpAxis,
    cpSeries,
    cpTitle,
    cpFoot,
    cpChartRect,
    cpSeriesMarks,
    cpSubTitle,
    cpSubFoot
};

struct TChartClickedPart {
    TChartClickedPartStyle Part = cpNone;
    // The point of the series, or its mark, that was hit.
    int PointIndex = -1;
    TChartSeries* ASeries = nullptr;
    TChartAxis* AAxis = nullptr;
};

using TChartClickAxisEvent = std::function<void(TPersistent* Sender, TChartAxis* Axis, TMouseButton Button,
                                                TShiftState Shift, int X, int Y)>;
using TChartClickSeriesEvent = std::function<void(TPersistent* Sender, TChartSeries* Series, int ValueIndex,
                                                  TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TChartClickTitleEvent = std::function<void(TPersistent* Sender, TChartTitle* Title, TMouseButton Button,
                                                 TShiftState Shift, int X, int Y)>;
using TChartClickEvent =
    std::function<void(TPersistent* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TChartAllowScrollEvent =
    std::function<void(TChartAxis* Sender, double& AMin, double& AMax, bool& AllowScroll)>;

enum TVurMouseEventKind : std::uint8_t { meDown, meUp, meMove };

// A mouse message of the panel, as its listeners hear it.
class TVurMouseEvent : public TVurEvent {
public:
    TVurMouseEvent(TVurMouseEventKind AEvent, TMouseButton AButton, TShiftState AShift, int AX, int AY)
        : Event(AEvent), Button(AButton), Shift(AShift), X(AX), Y(AY) {}
    TVurMouseEventKind Event;
    TMouseButton Button;
    TShiftState Shift;
    int X;
    int Y;
};

} // namespace vur
