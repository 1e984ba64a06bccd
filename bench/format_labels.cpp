// Axis label texts per second: "#,##0.###" over typical axis values and
// "hh:nn:ss" over time stamps, each parsed once and formatted many times.
// Baselines in the same run: printf "%.3f" and strftime "%H:%M:%S" into a
// string. The "Allocs/label" counter counts heap blocks per label.
#include "format/DateTimePattern.h"
#include "format/NumberPattern.h"

#include "AllocationCount.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <new>
#include <string>
#include <vector>

using namespace vur;

namespace {
// Labels of a few axes: 1-2-5 steps at several magnitudes, with negatives.
std::vector<double> AxisValues() {
    std::vector<double> Values;
    for (double Step : {0.001, 0.25, 2.0, 20.0, 500.0, 25000.0})
        for (int I = -10; I <= 10; ++I) Values.push_back(I * Step);
    return Values;
}

// One-second stamps of a live day, as the main form's bottom axis shows them.
std::vector<double> TimeStamps() {
    std::vector<double> Values;
    for (int I = 0; I < 128; ++I) Values.push_back(45725.0 + (36000 + 7.0 * I) / 86400.0);
    return Values;
}

template <class TFormat>
void RunLabels(benchmark::State& State, const std::vector<double>& Values, TFormat&& Format) {
    std::size_t Index = 0;
    const long Before = bench::Allocations.load();
    for (auto _ : State) {
        std::string Text = Format(Values[Index]);
        benchmark::DoNotOptimize(Text.data());
        Index = Index + 1 == Values.size() ? 0 : Index + 1;
    }
    State.SetItemsProcessed(State.iterations());
    State.counters["Allocs/label"] =
        static_cast<double>(bench::Allocations.load() - Before) / static_cast<double>(State.iterations());
}

void NumberParsedOnce(benchmark::State& State) {
    const TNumberPattern Pattern("#,##0.###");
    RunLabels(State, AxisValues(), [&](double Value) { return Pattern.Format(Value); });
}

void NumberParsedPerLabel(benchmark::State& State) {
    RunLabels(State, AxisValues(), [](double Value) { return FormatNumberText("#,##0.###", Value); });
}

void NumberPrintfBaseline(benchmark::State& State) {
    RunLabels(State, AxisValues(), [](double Value) {
        char Text[64];
        const int Length = std::snprintf(Text, sizeof Text, "%.3f", Value);
        return std::string(Text, static_cast<std::size_t>(Length));
    });
}

void TimeParsedOnce(benchmark::State& State) {
    const TDateTimePattern Pattern("hh:nn:ss");
    RunLabels(State, TimeStamps(), [&](double Value) { return Pattern.Format(Value); });
}

void TimeParsedPerLabel(benchmark::State& State) {
    RunLabels(State, TimeStamps(), [](double Value) { return FormatDateTimeText("hh:nn:ss", Value); });
}

void TimeStrftimeBaseline(benchmark::State& State) {
    RunLabels(State, TimeStamps(), [](double Value) {
        const auto Seconds = static_cast<std::time_t>((Value - 25569) * 86400 + 0.5);
        std::tm Fields{};
        gmtime_r(&Seconds, &Fields);
        char Text[32];
        const std::size_t Length = std::strftime(Text, sizeof Text, "%H:%M:%S", &Fields);
        return std::string(Text, Length);
    });
}
} // namespace

BENCHMARK(NumberPrintfBaseline);
BENCHMARK(NumberParsedOnce);
BENCHMARK(NumberParsedPerLabel);
BENCHMARK(TimeStrftimeBaseline);
BENCHMARK(TimeParsedOnce);
BENCHMARK(TimeParsedPerLabel);

BENCHMARK_MAIN();
