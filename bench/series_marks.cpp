// Paints with series marks against the same chart without them, both timed
// inside the same iterations: the main form's chart with a mark on each of
// its ten points, and a 1920 x 1080 chart of 1,000 points with 1,000 marks.
// "x_plain" is the marked paint's time over the plain one's, "Allocs/op" the
// heap blocks of one marked paint.
#include "AllocationCount.h"
#include "MainFormChart.h"

#include <benchmark/benchmark.h>

#include <cmath>

using namespace vur;

namespace {

using TTimedChart = bench::TMainFormChart<>;

void PaintWithAndWithoutMarks(benchmark::State& State, TTimedChart& Plain, TTimedChart& Marked) {
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

void BM_MainViewMarks(benchmark::State& State) {
    TTimedChart Plain, Marked;
    PaintWithAndWithoutMarks(State, Plain, Marked);
}
BENCHMARK(BM_MainViewMarks)->UseManualTime();

// A slow wave of 1,000 points across a full-HD chart.
void FullHdThousandPoints(TTimedChart& Main) {
    Main.Chart->SetBounds(0, 0, 1920, 1080);
    Main.Series->Clear();
    for (int I = 0; I < 1000; ++I) Main.Series->AddXY(45000.0 + I / 86400.0, 50 + 45 * std::sin(I * 0.05));
}

void BM_ThousandMarks(benchmark::State& State) {
    TTimedChart Plain, Marked;
    FullHdThousandPoints(Plain);
    FullHdThousandPoints(Marked);
    PaintWithAndWithoutMarks(State, Plain, Marked);
}
BENCHMARK(BM_ThousandMarks)->UseManualTime();

} // namespace

BENCHMARK_MAIN();
