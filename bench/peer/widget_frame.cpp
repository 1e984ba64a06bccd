// The chart widget's whole frame (the chart's paint and the picture handed to
// Qt) against QCustomPlot's replot of the same data in the same run: 1920 x 1080,
// 100,000 points, a line, no antialiasing, Qt's offscreen platform unless
// another is chosen.
#include "Peer.h"

#include "chart/Series/LineSeries.h"
#include "embed/qt/ChartWidget.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

namespace {

constexpr int Width = 1920;
constexpr int Height = 1080;
constexpr int Points = 100'000;

// A slow wave with noise, sampled once a millisecond: 100 seconds of it.
struct Data {
    QVector<double> X;
    QVector<double> Y;
    Data() {
        std::minstd_rand Random(7);
        std::normal_distribution<double> Noise(0.0, 3.0);
        for (int I = 0; I < Points; ++I) {
            X.push_back(I / 1000.0);
            Y.push_back(40 * std::sin(I / 8000.0) + 12 * std::sin(I / 230.0) + Noise(Random));
        }
    }
};
const Data& Samples() {
    static const Data D;
    return D;
}

void ChartWidgetFrame(benchmark::State& State) {
    vur::ChartWidget Widget;
    Widget.resize(Width, Height);
    vur::TChart* Chart = Widget.chart();
    Chart->SetView3D(false);
    Chart->GetLegend()->SetVisible(false);
    auto* Series = new vur::TLineSeries(nullptr);
    Series->SetParentChart(Chart);
    for (int I = 0; I < Points; ++I) Series->AddXY(Samples().X[I], Samples().Y[I]);
    Widget.show();
    QCoreApplication::processEvents();
    for (auto _ : State) {
        Chart->Invalidate(); // drawn afresh, as after new data
        Widget.repaint();    // the paint event now: chart paint, then the picture into Qt's backing store
    }
}
BENCHMARK(ChartWidgetFrame)->Unit(benchmark::kMillisecond);

void QCustomPlotReplot(benchmark::State& State) {
    QCustomPlot Plot;
    bench::AddPeerGraph(Plot, Width, Height, Samples().X, Samples().Y);
    Plot.show();
    QCoreApplication::processEvents();
    for (auto _ : State) Plot.replot(QCustomPlot::rpImmediateRefresh);
}
BENCHMARK(QCustomPlotReplot)->Unit(benchmark::kMillisecond);

} // namespace

void bench::PrintWidgetFrame(const FastestReporter& Reporter) {
    const auto Ours = Reporter.Fastest.find("ChartWidgetFrame");
    const auto Peer = Reporter.Fastest.find("QCustomPlotReplot");
    if (Ours != Reporter.Fastest.end() && Peer != Reporter.Fastest.end())
        std::printf(
            "\nwidget frame at %d x %d with %d points: %.2f ms here, %.2f ms QCustomPlot, ratio %.2f\n",
            Width, Height, Points, Ours->second, Peer->second, Ours->second / Peer->second);
}
