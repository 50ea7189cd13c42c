#pragma once

#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace vimo::test {

// Prints the benchmarks as usual and remembers each one's time per iteration (wall clock and CPU, in the run's
// unit), so that a benchmark program can print ratios against its baseline after the run. Plain runs, or the mean
// of repeated ones, keyed by the benchmark's function name.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if ((run.run_type == Run::RT_Iteration && run.iterations > 0) || run.aggregate_name == "mean") {
                realTimes[run.run_name.function_name] = run.GetAdjustedRealTime();
                cpuTimes[run.run_name.function_name] = run.GetAdjustedCPUTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // Prints "what / base = wall-clock ratio, CPU ratio" when both were measured.
    void printRatio(const char* what, const char* base) const
    {
        if (realTimes.count(what) && realTimes.count(base) && realTimes.at(base) > 0 && cpuTimes.at(base) > 0)
            std::printf("%-22s / %-22s = %.2f (wall clock), %.2f (CPU)\n", what, base,
                        realTimes.at(what) / realTimes.at(base), cpuTimes.at(what) / cpuTimes.at(base));
    }

    std::map<std::string, double> realTimes;
    std::map<std::string, double> cpuTimes;
};

} // namespace vimo::test
