// Stored points ("Data") of 10^6 points, with their positions: writing them
// to a memory stream and reading them into a new series, against copying the
// same points out of the series into two std::vectors in the same run.
#include "chart/Series/LineSeries.h"
#include "framework/Streams.h"

#include <benchmark/benchmark.h>

#include <vector>

using namespace vur;

namespace {

constexpr int Points = 1000000;

TLineSeries& Filled() {
    static TLineSeries* Series = [] {
        auto* S = new TLineSeries(nullptr);
        for (int I = 0; I < Points; ++I) S->AddXY(2.0 * I, I % 100);
        return S;
    }();
    return *Series;
}

void SetCounters(benchmark::State& State) {
    State.counters["ns/point"] = benchmark::Counter(Points, benchmark::Counter::kIsIterationInvariantRate |
                                                                benchmark::Counter::kInvert);
}

void BM_CopyToVectors(benchmark::State& State) {
    const TLineSeries& Series = Filled();
    for (auto _ : State) {
        std::vector<double> X;
        std::vector<double> Y;
        X.reserve(Points);
        Y.reserve(Points);
        for (int I = 0; I < Points; ++I) {
            X.push_back(Series.GetxValue(I));
            Y.push_back(Series.GetyValue(I));
        }
        benchmark::DoNotOptimize(X.data());
        benchmark::DoNotOptimize(Y.data());
    }
    SetCounters(State);
}

void BM_WriteData(benchmark::State& State) {
    TLineSeries& Series = Filled();
    for (auto _ : State) {
        TMemoryStream Stream;
        Series.WriteData(Stream);
        benchmark::DoNotOptimize(Stream.Data().data());
    }
    SetCounters(State);
}

void BM_ReadData(benchmark::State& State) {
    TMemoryStream Stored;
    Filled().WriteData(Stored);
    for (auto _ : State) {
        TLineSeries Series(nullptr);
        Stored.SetPosition(0);
        Series.ReadData(Stored);
        benchmark::DoNotOptimize(Series.Count());
    }
    SetCounters(State);
}

BENCHMARK(BM_CopyToVectors)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteData)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadData)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
