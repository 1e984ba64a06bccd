// The labels of one Draw of an axis: which values, series texts, depth slots
// or custom items get a label and a tick, and the state that only lasts while
// the axis draws them (the labels placed so far and the alternate row). The
// axis makes one for each Draw; the axis itself keeps only what outlives the
// Draw (its range, its anchors, the tick positions the walls draw grids at).
#pragma once

#include "chart/DaZezava/Axis.h"

#include <string>

namespace vur {

class TAxisLabelWalk {
public:
    explicit TAxisLabelWalk(TChartAxis& Axis);

    // Every label of the axis, each through the axis' DrawLabelAt.
    void Walk();
    // The labels band position of the next label: alternate labels go to
    // every other row.
    int NextLabelPos();

private:
    // One value label and its tick.
    void DrawValueLabel(double Value);
    // Value labels from the highest multiple of Increment down.
    void DrawLinearLabels(double Increment, TDateTimeStep Step);
    // One label for each power of the logarithm base in the range.
    void DrawLogarithmicLabels();
    // Labels at the values the chart's OnGetNextAxisLabel hands out.
    void DrawNextLabels(double Increment, TDateTimeStep Step);
    // The texts of the series' points, thinned where they would overlap.
    void DrawSeriesLabels(TAxisLabelStyle Style);
    std::string SeriesLabelText(TChartSeries* Series, int Index, TAxisLabelStyle Style);
    void DrawDepthSlots();
    void DrawCustomItems();

    TChartAxis& FAxis;
    // The labels placed so far, and the row step of alternate labels.
    int FLabelCount = 0;
    int FAlternateRow = 0;
};

} // namespace vur
