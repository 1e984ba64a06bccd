// A series following a source series: 10^6 in-order AddXY into a source of a
// chart, alone and with one linked series that copies every point as it
// comes, in the same run. The follower's share is the difference of the two;
// its budget is the source's own adds again (a ratio of at most 2).
#include "chart/Chart/Chart.h"
#include "chart/Series/LineSeries.h"

#include <benchmark/benchmark.h>

using namespace vur;

namespace {

void AddPoints(benchmark::State& State, bool WithFollower) {
    const long Points = State.range(0);
    for (auto _ : State) {
        TComponent Form(nullptr);
        auto* Chart = new TChart(&Form);
        auto* Source = new TLineSeries(&Form);
        Source->SetParentChart(Chart);
        if (WithFollower) {
            auto* Follower = new TLineSeries(&Form);
            Follower->SetParentChart(Chart);
            Follower->SetDataSource(Source);
        }
        for (long I = 0; I < Points; ++I) Source->AddXY(static_cast<double>(I), static_cast<double>(I % 100));
        benchmark::DoNotOptimize(Source->Count());
        State.PauseTiming();
        Form.DestroyComponents();
        State.ResumeTiming();
    }
    State.counters["ns/point"] =
        benchmark::Counter(static_cast<double>(Points),
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_SourceAlone(benchmark::State& State) { AddPoints(State, false); }
void BM_SourceWithFollower(benchmark::State& State) { AddPoints(State, true); }

BENCHMARK(BM_SourceAlone)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SourceWithFollower)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
