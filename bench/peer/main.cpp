// The comparisons with QCustomPlot for Qt 6 in one run, on Qt's offscreen
// platform unless another is chosen. Prints the fastest processor times and
// their ratios at the end; the target is at most 0.5 in every row.
//   ./build/default/bench/bench_peer --benchmark_min_time=0.2 --benchmark_repetitions=3
#include "Peer.h"

#include <benchmark/benchmark.h>

#include <QApplication>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    QApplication App(argc, argv);
    bench::FastestReporter Reporter;
    benchmark::RunSpecifiedBenchmarks(&Reporter);
    bench::PrintPaintTable(Reporter);
    bench::PrintWidgetFrame(Reporter);
    benchmark::Shutdown();
    return 0;
}
