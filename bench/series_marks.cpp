// Paints with series marks against the same chart without them, both timed
// inside the same iterations (in processor time): the main form's chart
// (689 x 257, flat, title "TChart", ten points on a time axis) with a mark on
// every point, and a 1920 x 1080 chart of 1,000 points with 1,000 marks.
// "x_plain" is the marked paint's time over the plain one's, "Allocs/op" the
// heap blocks of one marked paint.
#include "chart/Chart/Chart.h"
#include "chart/Series/LineSeries.h"

#include "AllocationCount.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <ctime>

using namespace vur;

namespace {

double ThreadSeconds() {
    timespec Now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &Now);
    return static_cast<double>(Now.tv_sec) + static_cast<double>(Now.tv_nsec) * 1e-9;
}

struct TTimedChart {
    TTimedChart(int Width, int Height, int Points) {
        Chart->SetBounds(0, 0, Width, Height);
        Chart->SetView3D(false);
        Chart->GetTitle()->SetCaption("TChart");
        Series->SetParentChart(Chart);
        Series->GetXValues()->SetDateTime(true);
        for (int I = 0; I < Points; ++I) Series->AddXY(45000.0 + I / 86400.0, 50 + 45 * std::sin(I * 0.05));
    }
    // In the thread's processor time: the machine may be shared.
    double TimedPaint() {
        const double Start = ThreadSeconds();
        Chart->Invalidate();
        Chart->Draw();
        benchmark::ClobberMemory();
        return ThreadSeconds() - Start;
    }
    TComponent Owner{nullptr};
    TChart* Chart = new TChart(&Owner);
    TLineSeries* Series = new TLineSeries(&Owner);
};

// Args: width, height, points; every point gets a mark.
void BM_MarksPaint(benchmark::State& State) {
    const int Width = static_cast<int>(State.range(0)), Height = static_cast<int>(State.range(1));
    const int Points = static_cast<int>(State.range(2));
    TTimedChart Plain(Width, Height, Points), Marked(Width, Height, Points);
    Marked.Series->GetMarks()->SetVisible(true);
    Plain.TimedPaint();
    Marked.TimedPaint();
    double PlainSeconds = 0.0, MarkedSeconds = 0.0;
    long Allocations = 0;
    for (auto _ : State) {
        PlainSeconds += Plain.TimedPaint();
        const long Before = bench::Allocations.load();
        const double Seconds = Marked.TimedPaint();
        Allocations += bench::Allocations.load() - Before;
        MarkedSeconds += Seconds;
        State.SetIterationTime(Seconds);
    }
    State.counters["x_plain"] = MarkedSeconds / PlainSeconds;
    State.counters["Allocs/op"] = static_cast<double>(Allocations) / static_cast<double>(State.iterations());
}
BENCHMARK(BM_MarksPaint)->Args({689, 257, 10})->Args({1920, 1080, 1000})->UseManualTime();

} // namespace

BENCHMARK_MAIN();
