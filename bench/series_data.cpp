// Stored points ("Data") of 10^6 points, with their positions: writing them
// to a memory stream and reading them into a new series, and a whole chart
// holding them written through the component stream and read back into a new
// chart, against copying the same points out of the series into two
// std::vectors in the same run.
#include "chart/Chart/Chart.h"
#include "chart/Series/LineSeries.h"
#include "framework/Reader.h"
#include "framework/Streams.h"
#include "framework/Writer.h"

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

void BM_ChartStreamRoundTrip(benchmark::State& State) {
    TChart Chart(nullptr);
    auto* Series = new TLineSeries(nullptr);
    Series->SetName("Series1");
    Series->SetParentChart(&Chart);
    Series->SetForceSaveData(true);
    for (int I = 0; I < Points; ++I) Series->AddXY(2.0 * I, I % 100);
    for (auto _ : State) {
        TMemoryStream Stream;
        WriteComponentToStream(Stream, Chart);
        TChart Loaded(nullptr);
        Stream.SetPosition(0);
        ReadComponentFromStream(Stream, Loaded);
        benchmark::DoNotOptimize(Loaded.GetSeries(0)->Count());
    }
    SetCounters(State);
}

BENCHMARK(BM_CopyToVectors)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteData)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadData)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChartStreamRoundTrip)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
