// What the comparisons with QCustomPlot share: the peer set up as each of
// them draws it (a size, no antialiasing, one graph with the data, axes
// fitted to it), and the summaries each prints after the run.
#pragma once

#include "FastestReporter.h"

#include <qcustomplot.h>

namespace bench {

inline QCPGraph* AddPeerGraph(QCustomPlot& Plot, int Width, int Height, const QVector<double>& X,
                              const QVector<double>& Y) {
    Plot.resize(Width, Height);
    Plot.setNotAntialiasedElements(QCP::aeAll);
    QCPGraph* Graph = Plot.addGraph();
    Graph->setData(X, Y, true);
    Plot.rescaleAxes();
    return Graph;
}

// The chart paints (paint.cpp): a table of rows, one per workload.
void PrintPaintTable(const FastestReporter& Reporter);
// The chart widget's frame (widget_frame.cpp): one line.
void PrintWidgetFrame(const FastestReporter& Reporter);

} // namespace bench
