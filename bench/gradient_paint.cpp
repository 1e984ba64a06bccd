// One paint of the main form's chart (689 x 257, flat, title "TChart", a
// ten-point line series on a time axis) dressed in finishing effects: a
// gradient panel, an opaque back wall filled with a gradient and a boxed
// title casting its smooth shadow; the second case adds the title box's
// transparency and a gradient in the title's letters. Baseline in the same
// run: the plain chart's whole paint, timed inside the same iterations (in
// processor time); "x_plain" is the dressed paint's time over the plain
// one's, "Allocs/op" the heap blocks of one dressed paint.
#include "chart/Chart/Chart.h"
#include "chart/Series/LineSeries.h"

#include "AllocationCount.h"

#include <benchmark/benchmark.h>

#include <ctime>

using namespace vur;

namespace {

constexpr int Width = 689;
constexpr int Height = 257;

double ThreadSeconds() {
    timespec Now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &Now);
    return static_cast<double>(Now.tv_sec) + static_cast<double>(Now.tv_nsec) * 1e-9;
}

struct TMainFormChart {
    TMainFormChart() {
        Chart->SetBounds(20, 16, Width, Height);
        Chart->SetView3D(false);
        Chart->GetTitle()->SetCaption("TChart");
        Series->SetParentChart(Chart);
        Series->GetXValues()->SetDateTime(true);
        for (int I = 0; I < 10; ++I) Series->AddXY(45000.0 + I / 86400.0, (I * 37) % 100);
        Chart->Draw();
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

void Dress(TChart& Chart, bool AlsoTransparency) {
    TVurGradient* Panel = Chart.GetGradient();
    Panel->SetStartColor(0xFFFFFF);
    Panel->SetEndColor(0xF2DCC4);
    Panel->SetVisible(true);
    TChartBackWall* Wall = Chart.GetBackWall();
    Wall->SetTransparent(false);
    Wall->GetGradient()->SetDirection(gdLeftRight);
    Wall->GetGradient()->SetVisible(true);
    TChartTitle* Title = Chart.GetTitle();
    Title->SetTransparent(false);
    Title->GetShadow()->SetSize(4);
    if (!AlsoTransparency) return;
    Title->SetTransparency(35);
    Title->GetFont()->GetGradient()->SetVisible(true);
}

// Arg 0: gradient panel, gradient back wall, shadowed title; 1: also a
// transparent title box and a gradient title font.
void BM_DressedPaint(benchmark::State& State) {
    TMainFormChart Plain, Dressed;
    Dress(*Dressed.Chart, State.range(0) != 0);
    Dressed.Chart->Draw();
    double PlainSeconds = 0.0, DressedSeconds = 0.0;
    long Allocations = 0;
    for (auto _ : State) {
        PlainSeconds += Plain.TimedPaint();
        const long Before = bench::Allocations.load();
        const double Seconds = Dressed.TimedPaint();
        Allocations += bench::Allocations.load() - Before;
        DressedSeconds += Seconds;
        State.SetIterationTime(Seconds);
    }
    State.counters["x_plain"] = DressedSeconds / PlainSeconds;
    State.counters["Allocs/op"] = static_cast<double>(Allocations) / static_cast<double>(State.iterations());
}
BENCHMARK(BM_DressedPaint)->Arg(0)->Arg(1)->UseManualTime();

} // namespace

BENCHMARK_MAIN();
