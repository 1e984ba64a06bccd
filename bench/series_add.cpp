// In-order AddXY of 10^5, 10^6 and 10^7 points into a line series, alone and
// attached to a chart whose window is shown (every add asks for a repaint
// that is still pending), against appending the same two doubles to a pair
// of std::vectors in the same run. Counters: "ns/point" (time per point),
// "Bytes/point" (allocated value storage per point at the end) and
// "Allocs/point" (heap blocks per point).
#include "chart/Chart/Chart.h"
#include "chart/Series/LineSeries.h"
#include "framework/Form.h"
#include "platform/ui/headless/HeadlessWindowSystem.h"

#include "AllocationCount.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <vector>

using namespace vur;

namespace {

void SetPointCounters(benchmark::State& State, long Points, double Bytes, long Allocs) {
    State.counters["ns/point"] =
        benchmark::Counter(static_cast<double>(Points),
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    State.counters["Bytes/point"] = Bytes / static_cast<double>(Points);
    State.counters["Allocs/point"] = static_cast<double>(Allocs) / static_cast<double>(Points);
}

// The baseline: two vectors growing as the standard library grows them.
void BM_VectorPairAppend(benchmark::State& State) {
    const long Points = State.range(0);
    double Bytes = 0;
    long Allocs = 0;
    for (auto _ : State) {
        const long Before = bench::Allocations.load();
        std::vector<double> X;
        std::vector<double> Y;
        for (long I = 0; I < Points; ++I) {
            X.push_back(static_cast<double>(I));
            Y.push_back(static_cast<double>(I % 100));
        }
        benchmark::DoNotOptimize(X.data());
        benchmark::DoNotOptimize(Y.data());
        Bytes = static_cast<double>((X.capacity() + Y.capacity()) * sizeof(double));
        Allocs = bench::Allocations.load() - Before;
    }
    SetPointCounters(State, Points, Bytes, Allocs);
}

// Value storage as allocated: the blocks of both lists and their block tables.
double StoredBytes(const TChartSeries& Series) {
    const int Capacity = Series.GetXValues()->GetCapacity() + Series.GetYValues()->GetCapacity();
    const int Blocks = Capacity / TChartValueList::CapacityStep;
    return static_cast<double>(Capacity) * sizeof(double) + Blocks * sizeof(void*);
}

// X in ascending order, as a clock gives it: each add compares once and appends.
void BM_SeriesAddXY(benchmark::State& State) {
    const long Points = State.range(0);
    double Bytes = 0;
    long Allocs = 0;
    for (auto _ : State) {
        TLineSeries Series(nullptr);
        const long Before = bench::Allocations.load();
        for (long I = 0; I < Points; ++I) Series.AddXY(static_cast<double>(I), static_cast<double>(I % 100));
        Allocs = bench::Allocations.load() - Before;
        Bytes = StoredBytes(Series);
        benchmark::DoNotOptimize(Series.Count());
    }
    SetPointCounters(State, Points, Bytes, Allocs);
}

// The same into the series of a chart on a shown form: each add asks the
// chart to repaint while the last request still waits for its paint.
void BM_SeriesAddXYShown(benchmark::State& State) {
    const long Points = State.range(0);
    ui::HeadlessWindowSystem WindowSystem;
    const ui::ScopedWindowSystem Use(WindowSystem);
    double Bytes = 0;
    long Allocs = 0;
    for (auto _ : State) {
        State.PauseTiming();
        TForm Form(nullptr);
        Form.SetBounds(192, 198, 739, 342);
        auto* Chart = new TChart(&Form);
        Chart->SetParent(&Form);
        Chart->SetBounds(20, 16, 689, 257);
        auto* Series = new TLineSeries(&Form);
        Series->SetParentChart(Chart);
        Form.HandleNeeded();
        Form.Show();
        State.ResumeTiming();
        const long Before = bench::Allocations.load();
        for (long I = 0; I < Points; ++I) Series->AddXY(static_cast<double>(I), static_cast<double>(I % 100));
        Allocs = bench::Allocations.load() - Before;
        Bytes = StoredBytes(*Series);
        benchmark::DoNotOptimize(Series->Count());
    }
    SetPointCounters(State, Points, Bytes, Allocs);
}

BENCHMARK(BM_VectorPairAppend)->Arg(100000)->Arg(1000000)->Arg(10000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SeriesAddXY)->Arg(100000)->Arg(1000000)->Arg(10000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SeriesAddXYShown)->Arg(100000)->Arg(1000000)->Arg(10000000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
