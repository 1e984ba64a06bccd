// CalcXPosValue and CalcYPosValue of the default (checked) and the FastCalc
// mapping over 10^6 values, against a plain multiply-add loop with rounding
// over the same values in the same run. Counters: "ns/value" and
// "Allocs/value" (heap blocks per mapped value, expected 0).
#include "chart/Chart/Chart.h"

#include "AllocationCount.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <new>
#include <random>
#include <vector>

using namespace vur;

namespace {

constexpr int Count = 1000000;

const std::vector<double>& Values() {
    static const std::vector<double> Result = [] {
        std::mt19937_64 Generator(42);
        std::uniform_real_distribution<double> Distribution(-10, 110);
        std::vector<double> V(Count);
        for (double& Value : V) Value = Distribution(Generator);
        return V;
    }();
    return Result;
}

void SetCounters(benchmark::State& State, long Allocs) {
    State.counters["ns/value"] = benchmark::Counter(Count, benchmark::Counter::kIsIterationInvariantRate |
                                                               benchmark::Counter::kInvert);
    State.counters["Allocs/value"] =
        static_cast<double>(Allocs) / (static_cast<double>(Count) * static_cast<double>(State.iterations()));
}

// The baseline: what any mapping must at least do per value.
void BM_PlainMultiplyAdd(benchmark::State& State) {
    const std::vector<double>& V = Values();
    const double Minimum = 0;
    const double Scale = 647.0 / 100;
    const int Start = 21;
    for (auto _ : State) {
        long Sum = 0;
        for (const double Value : V) Sum += Start + std::lrint((Value - Minimum) * Scale);
        benchmark::DoNotOptimize(Sum);
    }
    SetCounters(State, 0);
}

struct TMappingChart {
    TComponent Form{nullptr};
    TChart* Chart = new TChart(&Form);

    explicit TMappingChart(bool Fast) {
        Chart->GetAxes()->SetFastCalc(Fast);
        Chart->SetChartRect({21, 11, 668, 246});
        Chart->ReCalcWidthHeight();
        for (TChartAxis* Axis : {Chart->GetBottomAxis(), Chart->GetLeftAxis()}) {
            Axis->SetMinMax(0, 100);
            Axis->AdjustMaxMin();
            Axis->InternalCalcPositions();
        }
    }
};

void Map(benchmark::State& State, bool Fast, bool Vertical) {
    TMappingChart Mapping(Fast);
    const TChartAxis* Axis = Vertical ? Mapping.Chart->GetLeftAxis() : Mapping.Chart->GetBottomAxis();
    const std::vector<double>& V = Values();
    const long Before = bench::Allocations.load();
    for (auto _ : State) {
        long Sum = 0;
        if (Vertical)
            for (const double Value : V) Sum += Axis->CalcYPosValue(Value);
        else
            for (const double Value : V) Sum += Axis->CalcXPosValue(Value);
        benchmark::DoNotOptimize(Sum);
    }
    SetCounters(State, bench::Allocations.load() - Before);
}

void BM_CalcXPosValue(benchmark::State& State) { Map(State, false, false); }
void BM_CalcYPosValue(benchmark::State& State) { Map(State, false, true); }
void BM_CalcXPosValueFast(benchmark::State& State) { Map(State, true, false); }
void BM_CalcYPosValueFast(benchmark::State& State) { Map(State, true, true); }

} // namespace

BENCHMARK(BM_PlainMultiplyAdd)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CalcXPosValue)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CalcYPosValue)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CalcXPosValueFast)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CalcYPosValueFast)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
