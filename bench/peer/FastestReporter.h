// A console reporter that also keeps the fastest time of each benchmark over
// its repetitions, by name, so a peer comparison can print its ratios from one
// run. The time is the processor time of the benchmark's thread: on a shared
// machine the wall clock also counts the time others' work held it off.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace bench {

class FastestReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& Runs) override {
        for (const Run& R : Runs) {
            if (R.run_type != Run::RT_Iteration) continue;
            const std::string Name =
                R.run_name.function_name + (R.run_name.args.empty() ? "" : "/" + R.run_name.args);
            auto [It, New] = Fastest.try_emplace(Name, R.GetAdjustedCPUTime());
            if (!New) It->second = std::min(It->second, R.GetAdjustedCPUTime());
        }
        ConsoleReporter::ReportRuns(Runs);
    }
    // By function name and arguments ("Engine/1000"), in the benchmarks' time unit.
    std::map<std::string, double> Fastest;
};

} // namespace bench
