// One paint of the main form's chart (689 x 257, flat, title "TChart", a
// ten-point line series on a time axis): the layout pass alone (margins,
// depth slots, walls, axes ranges and rectangle, series margins), the whole
// paint into the off-screen buffer, and the live plotter's tick with its
// paint. Baseline in the same run: one full clear of a 689 x 257 bitmap,
// alone and inside the paint's iterations ("x_clear"). "Allocs/op" counts
// heap blocks per operation.
#include "chart/Chart/Chart.h"
#include "chart/Series/LineSeries.h"
#include "framework/Graphics.h"

#include "AllocationCount.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <new>

using namespace vur;

namespace {

constexpr int Width = 689;
constexpr int Height = 257;

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

struct TMainFormChart {
    TMainFormChart() {
        Chart->SetBounds(20, 16, Width, Height);
        Chart->SetView3D(false);
        Chart->GetTitle()->SetCaption("TChart");
        Chart->GetLegend()->SetVisible(false);
        Series->SetParentChart(Chart);
        Series->GetXValues()->SetDateTime(true);
        for (int I = 0; I < 10; ++I) Series->AddXY(45000.0 + I / 86400.0, (I * 37) % 100);
    }
    TComponent Owner{nullptr};
    TLayoutChart* Chart = new TLayoutChart(&Owner);
    TLineSeries* Series = new TLineSeries(&Owner);
};

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
    const auto ThreadSeconds = [] {
        timespec Now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &Now);
        return static_cast<double>(Now.tv_sec) + static_cast<double>(Now.tv_nsec) * 1e-9;
    };
    const long Before = bench::Allocations.load();
    double PlainSeconds = 0.0, MarkedSeconds = 0.0;
    for (auto _ : State) {
        const double Start = ThreadSeconds();
        Plain.Chart->Invalidate();
        Plain.Chart->Draw();
        benchmark::ClobberMemory();
        const double Middle = ThreadSeconds();
        Marked.Chart->Invalidate();
        Marked.Chart->Draw();
        benchmark::ClobberMemory();
        const double End = ThreadSeconds();
        PlainSeconds += Middle - Start;
        MarkedSeconds += End - Middle;
        State.SetIterationTime(End - Middle);
    }
    SetAllocsPerOp(State, Before);
    State.counters["x_plain"] = MarkedSeconds / PlainSeconds;
}
BENCHMARK(BM_FullPaintMarkersLegend)->UseManualTime();

} // namespace

BENCHMARK_MAIN();
