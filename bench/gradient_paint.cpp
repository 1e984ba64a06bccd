// One paint of the main form's chart dressed in finishing effects: a
// gradient panel, an opaque back wall filled with a gradient and a boxed
// title casting its smooth shadow; the second case adds the title box's
// transparency and a gradient in the title's letters. Baseline in the same
// run: the plain chart's whole paint, timed inside the same iterations;
// "x_plain" is the dressed paint's time over the plain one's, "Allocs/op"
// the heap blocks of one dressed paint.
#include "AllocationCount.h"
#include "MainFormChart.h"

#include <benchmark/benchmark.h>

using namespace vur;

namespace {

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
    bench::TMainFormChart<> Plain, Dressed;
    Plain.Chart->Draw();
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
