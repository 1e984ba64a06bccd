// Pen transfer of the chart canvas: what drawing a series segment costs when
// the series' pen is transferred before each line, against drawing the same
// line straight through the framework canvas.
#include "chart/RoVedure/ChartPen.h"
#include "chart/RoVedure/VurCanvas3D.h"
#include "framework/Graphics.h"

#include <benchmark/benchmark.h>

namespace {

using namespace vur;

void BM_PlainLine(benchmark::State& State) {
    TBitmap Bitmap(400, 300);
    TCanvas& Canvas = *Bitmap.GetCanvas();
    int I = 0;
    for (auto _ : State) {
        Canvas.MoveTo(10, 10 + I % 280);
        Canvas.LineTo(390, 20 + I % 270);
        ++I;
    }
}
BENCHMARK(BM_PlainLine);

void TransferAndLine(benchmark::State& State, int Width, bool SmallDots) {
    TBitmap Bitmap(400, 300);
    TVurCanvas3D Canvas;
    Canvas.SetCanvas(Bitmap.GetCanvas());
    TChartPen Pen;
    Pen.SetWidth(Width);
    Pen.SetSmallDots(SmallDots);
    Pen.SetColor(clRed);
    int I = 0;
    for (auto _ : State) {
        Canvas.AssignVisiblePen(&Pen);
        Canvas.Line(10, 10 + I % 280, 390, 20 + I % 270);
        ++I;
    }
}

void BM_TransferWidth1(benchmark::State& State) { TransferAndLine(State, 1, false); }
void BM_TransferWidth3(benchmark::State& State) { TransferAndLine(State, 3, false); }
void BM_TransferSmallDots(benchmark::State& State) { TransferAndLine(State, 1, true); }
BENCHMARK(BM_TransferWidth1);
BENCHMARK(BM_TransferWidth3);
BENCHMARK(BM_TransferSmallDots);

} // namespace

BENCHMARK_MAIN();
