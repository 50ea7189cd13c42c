// The flight analysis of 8 data sets of 65,536 samples, against one plain pass over the same samples (each time and
// altitude through the display transform; lowest, highest and mean altitude, mean time) in the same run. Half the
// sets are one long flight each, half a day of F5J flights and throws with ground time between them. The ratio is
// printed at the end.
#include "../support/RatioReporter.h"
#include "EightFlightSets.h"
#include "analysis/FlightAnalysis.h"
#include "data/Plot.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <limits>

using namespace vimo;

namespace {

struct Sets {
    Plot plot;

    Sets() { test::fillEightFlightSets(plot); }
};

Sets& sets()
{
    static Sets s;
    return s;
}

void BM_PlainPass(benchmark::State& state)
{
    const Plot& plot = sets().plot;
    for (auto _ : state) {
        for (int k = 0; k < plot.signals.size(); ++k) {
            const Signal& s = plot.signals.at(k).altitude;
            const std::vector<double>& t = s.series.times();
            const std::vector<double>& a = s.series.altitudes();
            double low = std::numeric_limits<double>::max();
            double high = -low;
            double sum = 0;
            double timeSum = 0;
            for (std::size_t i = 0; i < a.size(); ++i) {
                const double v = a[i] * s.altitudeScale + s.altitudeOffset;
                low = std::min(low, v);
                high = std::max(high, v);
                sum += v;
                timeSum += t[i] * s.timeScale + s.timeOffset;
            }
            benchmark::DoNotOptimize(low);
            benchmark::DoNotOptimize(high);
            benchmark::DoNotOptimize(sum);
            benchmark::DoNotOptimize(timeSum);
        }
    }
}

void BM_FlightAnalysis(benchmark::State& state)
{
    const Plot& plot = sets().plot;
    int flights = 0;
    for (auto _ : state) {
        flights = 0;
        for (int k = 0; k < plot.signals.size(); ++k) {
            const FlightReport r = analyseFlights(plot.signals.at(k).altitude, plot.yLabel);
            flights += int(r.flights.size());
            benchmark::DoNotOptimize(r.flights.data());
        }
    }
    state.counters["flights"] = flights;
}

BENCHMARK(BM_PlainPass)->Unit(benchmark::kMillisecond)->MinTime(1.0)->UseRealTime();
BENCHMARK(BM_FlightAnalysis)->Unit(benchmark::kMillisecond)->MinTime(1.0)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    sets(); // built before the timing starts
    test::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto& real = reporter.realTimes;
    const auto plain = real.find("BM_PlainPass");
    const auto analysis = real.find("BM_FlightAnalysis");
    if (plain != real.end() && analysis != real.end() && plain->second > 0)
        std::printf("\nFlight analysis of 8 x 65,536 samples: %.3f ms; one plain pass over them: %.3f ms; ratio %.2f\n",
                    analysis->second, plain->second, analysis->second / plain->second);
    benchmark::Shutdown();
    return 0;
}
