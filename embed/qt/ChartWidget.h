// A chart in any Qt program: a widget that owns a TChart, paints it through the
// engine's off-screen buffer and passes mouse, wheel and size changes on to it,
// so zooming, scrolling and clicks work as in the engine's own windows. It needs
// no TApplication and no form: create it like any other widget and reach the
// chart with chart().
#pragma once

#include "chart/Chart/Chart.h"

#include <QWidget>

#include <memory>

namespace vur {

class ChartWidget : public QWidget {
public:
    explicit ChartWidget(QWidget* Parent = nullptr);
    ~ChartWidget() override;

    // Series attached to the chart go with it, as the chart destroys them.
    TChart* chart() const { return FChart.get(); }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseDoubleClickEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;
    void mouseMoveEvent(QMouseEvent* Event) override;
    void wheelEvent(QWheelEvent* Event) override;
    void leaveEvent(QEvent* Event) override;

private:
    class Host;
    // Declared first: the chart's window lives on the host, so the chart goes first.
    std::unique_ptr<Host> FHost;
    std::unique_ptr<TChart> FChart;
};

} // namespace vur
