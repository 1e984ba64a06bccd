// The program's tick on its ten-point series attached to a chart: AddXY of a
// new time stamp, then Delete(0). Also Clear, of the ten-point series and of
// a large one. Baseline in the same run: the same sliding window over a
// std::vector pair (push_back, then erase of the first element).
// "Allocs/op" counts heap blocks per operation; the tick must need none.
#include "chart/Chart/Chart.h"
#include "chart/Series/LineSeries.h"

#include "AllocationCount.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <new>
#include <vector>

using namespace vur;

namespace {

constexpr double OneSecond = 1.0 / 86400.0;

void SetAllocsPerOp(benchmark::State& State, long Before) {
    State.counters["Allocs/op"] =
        static_cast<double>(bench::Allocations.load() - Before) / static_cast<double>(State.iterations());
}

void BM_VectorWindowTick(benchmark::State& State) {
    std::vector<double> X;
    std::vector<double> Y;
    X.reserve(16);
    Y.reserve(16);
    double Now = 45000.0;
    for (int I = 0; I < 10; ++I) {
        X.push_back(Now += OneSecond);
        Y.push_back(I);
    }
    const long Before = bench::Allocations.load();
    for (auto _ : State) {
        Now += OneSecond;
        X.push_back(Now);
        Y.push_back(static_cast<double>(static_cast<long>(Now * 1e6) % 100));
        if (X.size() > 10) {
            X.erase(X.begin());
            Y.erase(Y.begin());
        }
        benchmark::DoNotOptimize(X.data());
    }
    SetAllocsPerOp(State, Before);
}

void BM_SeriesTick(benchmark::State& State) {
    TChart Chart(nullptr);
    auto* Series = new TLineSeries(nullptr);
    Series->SetParentChart(&Chart);
    double Now = 45000.0;
    for (int I = 0; I < 10; ++I) Series->AddXY(Now += OneSecond, I);
    const long Before = bench::Allocations.load();
    for (auto _ : State) {
        Now += OneSecond;
        Series->AddXY(Now, static_cast<double>(static_cast<long>(Now * 1e6) % 100), "", clDefault);
        if (Series->Count() > 10) Series->Delete(0);
    }
    SetAllocsPerOp(State, Before);
}

// Only the Clear is timed; the refill runs outside the clock.
void BM_SeriesClear(benchmark::State& State) {
    const long Points = State.range(0);
    TChart Chart(nullptr);
    auto* Series = new TLineSeries(nullptr);
    Series->SetParentChart(&Chart);
    for (auto _ : State) {
        for (long I = 0; I < Points; ++I) Series->AddXY(static_cast<double>(I), 1.0);
        const auto Start = std::chrono::steady_clock::now();
        Series->Clear();
        const auto Stop = std::chrono::steady_clock::now();
        State.SetIterationTime(std::chrono::duration<double>(Stop - Start).count());
    }
}

BENCHMARK(BM_VectorWindowTick);
BENCHMARK(BM_SeriesTick);
BENCHMARK(BM_SeriesClear)->Arg(10)->Arg(1000000)->UseManualTime();

} // namespace

BENCHMARK_MAIN();
