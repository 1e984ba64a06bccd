// The chart widget's whole frame (the chart's paint and the picture handed to
// Qt) against QCustomPlot's replot of the same data in the same run: 1920 x 1080,
// 100,000 points, a line, no antialiasing, Qt's offscreen platform unless
// another is chosen. Prints the ratio at the end; the target is at most 0.5.
//   ./build/default/bench/bench_peer_widget --benchmark_min_time=0.5 --benchmark_repetitions=3
#include "FastestReporter.h"

#include "chart/Series/LineSeries.h"
#include "embed/qt/ChartWidget.h"

#include <benchmark/benchmark.h>
#include <qcustomplot.h>

#include <QApplication>

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
    Plot.resize(Width, Height);
    Plot.setNotAntialiasedElements(QCP::aeAll);
    Plot.addGraph()->setData(Samples().X, Samples().Y, true);
    Plot.rescaleAxes();
    Plot.show();
    QCoreApplication::processEvents();
    for (auto _ : State) Plot.replot(QCustomPlot::rpImmediateRefresh);
}
BENCHMARK(QCustomPlotReplot)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    QApplication App(argc, argv);
    bench::FastestReporter Reporter;
    benchmark::RunSpecifiedBenchmarks(&Reporter);
    const auto Ours = Reporter.Fastest.find("ChartWidgetFrame");
    const auto Peer = Reporter.Fastest.find("QCustomPlotReplot");
    if (Ours != Reporter.Fastest.end() && Peer != Reporter.Fastest.end())
        std::printf("frame at %d x %d with %d points: %.2f ms here, %.2f ms QCustomPlot, ratio %.2f\n", Width,
                    Height, Points, Ours->second, Peer->second, Ours->second / Peer->second);
    benchmark::Shutdown();
    return 0;
}
