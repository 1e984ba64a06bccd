// Drawing of a line series into the main form's 689 x 257 bitmap, with 10^4,
// 10^5 and 10^6 points, each timed against one full clear of the same bitmap
// in the same iteration ("x_clear": the ratio of the two totals).
#include "chart/Chart/Chart.h"
#include "chart/Series/LineSeries.h"
#include "framework/Graphics.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstdint>

namespace {

using namespace vur;

constexpr int Width = 689;
constexpr int Height = 257;
// The main form's plot rectangle before titles and axes.
constexpr TRect Plot{21, 11, 668, 246};

void BM_LineSeries(benchmark::State& State) {
    const int Points = static_cast<int>(State.range(0));
    TComponent Form{nullptr};
    auto* Chart = new TChart(&Form);
    auto* Series = new TLineSeries(&Form);
    Series->SetParentChart(Chart);
    Series->SetSeriesColor(clRed);
    Chart->SetView3D(false);
    Chart->GetLegend()->SetVisible(false);
    // Five slow waves with a little deterministic noise.
    std::uint32_t Seed = 12345;
    Series->BeginUpdate();
    for (int I = 0; I < Points; ++I) {
        Seed = Seed * 1664525u + 1013904223u;
        const double Noise = static_cast<double>(Seed >> 24) / 64.0 - 2.0;
        Series->AddXY(I, 50 + 40 * std::sin(I * 2 * 3.141592653589793 * 5 / Points) + Noise);
    }
    Series->EndUpdate();

    TBitmap Bitmap(Width, Height);
    TVurCanvas3D* Canvas = Chart->GetCanvas();
    Canvas->SetCanvas(Bitmap.GetCanvas());
    Chart->GetBottomAxis()->SetMinMax(0, Points - 1);
    Chart->GetLeftAxis()->SetMinMax(0, 100);
    Chart->SetChartRect(Plot);
    Chart->ReCalcWidthHeight();
    for (TChartAxis* Axis : {Chart->GetBottomAxis(), Chart->GetLeftAxis()}) {
        Axis->AdjustMaxMin();
        Axis->InternalCalcPositions();
    }
    Canvas->ClipRectangle(TRect{Plot.Left, Plot.Top, Plot.Right, Plot.Bottom + 1});
    auto& Surface = Bitmap.GetCanvas()->GetHandle().GetSurface();

    double DrawSeconds = 0.0, ClearSeconds = 0.0;
    TColor Background = clWhite;
    for (auto _ : State) {
        const auto Start = std::chrono::steady_clock::now();
        Surface.Fill(Background);
        benchmark::ClobberMemory();
        const auto Middle = std::chrono::steady_clock::now();
        Series->CalcFirstLastVisibleIndex();
        Series->DrawAllValues();
        benchmark::ClobberMemory();
        const auto End = std::chrono::steady_clock::now();
        Background ^= 1;
        const double Seconds = std::chrono::duration<double>(End - Middle).count();
        ClearSeconds += std::chrono::duration<double>(Middle - Start).count();
        DrawSeconds += Seconds;
        State.SetIterationTime(Seconds);
    }
    Canvas->UnClipRectangle();
    State.counters["x_clear"] = DrawSeconds / ClearSeconds;
    State.SetItemsProcessed(State.iterations() * Points);
}
BENCHMARK(BM_LineSeries)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
