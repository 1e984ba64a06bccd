// One paint of the main form's chart (689 x 257, flat, title "TChart", a
// ten-point line series on a time axis): the layout pass alone (margins,
// depth slots, walls, axes ranges and rectangle, series margins), the whole
// paint into the off-screen buffer, and the live plotter's tick with its
// paint. Baseline in the same run: one full clear of a 689 x 257 bitmap,
// alone and inside the paint's iterations ("x_clear"). "Allocs/op" counts
// heap blocks per operation.
#include "AllocationCount.h"
#include "MainFormChart.h"

#include "framework/Graphics.h"

#include <benchmark/benchmark.h>

#include <chrono>

using namespace vur;

namespace {

constexpr int Width = bench::MainFormWidth;
constexpr int Height = bench::MainFormHeight;

// The layout steps of a paint, without drawing anything.
class TLayoutChart : public TChart {
public:
    using TChart::TChart;
    void Layout() {
        const TRect Bounds{0, 0, Width, Height};
        SetChartBounds(Bounds);
        SetChartRect(CalcMarginRect(Bounds));
        ReCalcWidthHeight();
        CalcZOrders();
        CalcWallsRect();
        CalcAxesRect();
        for (int Index = 0; Index < SeriesCount(); ++Index) GetSeries(Index)->CalcDepthPositions();
        CalcSeriesMargins();
    }
};

using TMainFormChart = bench::TMainFormChart<TLayoutChart>;

void SetAllocsPerOp(benchmark::State& State, long Before) {
    State.counters["Allocs/op"] =
        static_cast<double>(bench::Allocations.load() - Before) / static_cast<double>(State.iterations());
}

void BM_ClearBitmap(benchmark::State& State) {
    TBitmap Bitmap(Width, Height);
    TCanvas* Canvas = Bitmap.GetCanvas();
    Canvas->GetBrush()->SetColor(clBtnFace);
    const TRect All{0, 0, Width, Height};
    const long Before = bench::Allocations.load();
    for (auto _ : State) {
        Canvas->FillRect(All);
        benchmark::ClobberMemory();
    }
    SetAllocsPerOp(State, Before);
}
BENCHMARK(BM_ClearBitmap);

void BM_LayoutPass(benchmark::State& State) {
    TMainFormChart Main;
    Main.Chart->Draw();
    const long Before = bench::Allocations.load();
    for (auto _ : State) {
        Main.Chart->Layout();
        benchmark::DoNotOptimize(Main.Chart->GetChartRect());
    }
    SetAllocsPerOp(State, Before);
}
BENCHMARK(BM_LayoutPass);

// Each iteration also clears a bitmap of the same size, outside the timed
// part: "x_clear" is the paint's time over the clear's.
void BM_FullPaint(benchmark::State& State) {
    TMainFormChart Main;
    Main.Chart->Draw();
    TBitmap Bitmap(Width, Height);
    TCanvas* Canvas = Bitmap.GetCanvas();
    Canvas->GetBrush()->SetColor(clBtnFace);
    const long Before = bench::Allocations.load();
    double PaintSeconds = 0.0, ClearSeconds = 0.0;
    for (auto _ : State) {
        const auto Start = std::chrono::steady_clock::now();
        Canvas->FillRect(TRect{0, 0, Width, Height});
        benchmark::ClobberMemory();
        const auto Middle = std::chrono::steady_clock::now();
        Main.Chart->Invalidate();
        Main.Chart->Draw();
        benchmark::ClobberMemory();
        const auto End = std::chrono::steady_clock::now();
        const double Seconds = std::chrono::duration<double>(End - Middle).count();
        ClearSeconds += std::chrono::duration<double>(Middle - Start).count();
        PaintSeconds += Seconds;
        State.SetIterationTime(Seconds);
    }
    SetAllocsPerOp(State, Before);
    State.counters["x_clear"] = PaintSeconds / ClearSeconds;
}
BENCHMARK(BM_FullPaint)->UseManualTime();

// The live plotter's second: a new sample in, the oldest out, the chart
// painted afresh.
void BM_LiveTick(benchmark::State& State) {
    TMainFormChart Main;
    Main.Chart->Draw();
    double Now = 45000.0 + 10 / 86400.0;
    const long Before = bench::Allocations.load();
    for (auto _ : State) {
        Now += 1 / 86400.0;
        Main.Series->AddXY(Now, static_cast<double>(static_cast<long>(Now * 1e6) % 100));
        Main.Series->Delete(0);
        Main.Chart->Invalidate();
        Main.Chart->Draw();
        benchmark::ClobberMemory();
    }
    SetAllocsPerOp(State, Before);
}
BENCHMARK(BM_LiveTick);

// The main view with its markers shown and a legend at the right, each
// iteration also painting the plain main view: "x_plain" is the ratio of
// their processor times (the machine is shared, so wall time would vary).
void BM_FullPaintMarkersLegend(benchmark::State& State) {
    TMainFormChart Plain;
    TMainFormChart Marked;
    Marked.Series->GetPointer()->SetVisible(true);
    Marked.Chart->GetLegend()->SetVisible(true);
    Plain.Chart->Draw();
    Marked.Chart->Draw();
    const long Before = bench::Allocations.load();
    double PlainSeconds = 0.0, MarkedSeconds = 0.0;
    for (auto _ : State) {
        PlainSeconds += Plain.TimedPaint();
        const double Seconds = Marked.TimedPaint();
        MarkedSeconds += Seconds;
        State.SetIterationTime(Seconds);
    }
    SetAllocsPerOp(State, Before);
    State.counters["x_plain"] = MarkedSeconds / PlainSeconds;
}
BENCHMARK(BM_FullPaintMarkersLegend)->UseManualTime();

} // namespace

BENCHMARK_MAIN();
