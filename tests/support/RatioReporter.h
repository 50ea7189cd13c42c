#pragma once

#include <benchmark/benchmark.h>
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

    std::map<std::string, double> realTimes;
    std::map<std::string, double> cpuTimes;
};

} // namespace vimo::test
