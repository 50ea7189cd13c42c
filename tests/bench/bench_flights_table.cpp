// The Flights table after an edit of one of 8 data sets of 65,536 samples: the edit is announced, the table brings
// its reports up to date and lays out its rows afresh. The baseline is the flight analysis of that one data set, with
// the table's options; each iteration edits the next data set in turn, in both. Beside them, the table after a change
// that touches every report (the start-height window): what every edit cost while the table analysed every data set
// each time. The frame budget is 16 ms.

#include "../support/RatioReporter.h"
#include "EightFlightSets.h"
#include "analysis/FlightAnalysis.h"
#include "app/plotview/FlightsTableModel.h"
#include "data/Plot.h"

#include <benchmark/benchmark.h>
#include <cstdio>

using namespace vimo;

namespace {

struct Table {
    Plot plot;
    FlightsTableModel model{plot};

    Table() { test::fillEightFlightSets(plot); }
};

Table& table()
{
    static Table t;
    return t;
}

void BM_AnalyseOneSet(benchmark::State& state)
{
    Table& t = table();
    AnalysisOptions options;
    options.window = t.model.window();
    int k = 0;
    for (auto _ : state) {
        const FlightReport r = analyseFlights(t.plot.signals.at(k).altitude, t.plot.yLabel, options);
        benchmark::DoNotOptimize(r.flights.data());
        k = (k + 1) % t.plot.signals.size();
    }
}

void BM_TableAfterOneEdit(benchmark::State& state)
{
    Table& t = table();
    int k = 0;
    for (auto _ : state) {
        t.plot.signals.notifyChanged(k);
        benchmark::DoNotOptimize(t.model.rowCount());
        k = (k + 1) % t.plot.signals.size();
    }
}

void BM_TableAfterWindowChange(benchmark::State& state)
{
    Table& t = table();
    bool wide = false;
    for (auto _ : state) {
        wide = !wide;
        t.model.setWindow(wide ? 20 : 10);
        benchmark::DoNotOptimize(t.model.rowCount());
    }
    t.model.setWindow(10);
}

BENCHMARK(BM_AnalyseOneSet)->Unit(benchmark::kMillisecond)->MinTime(1.0)->UseRealTime();
BENCHMARK(BM_TableAfterOneEdit)->Unit(benchmark::kMillisecond)->MinTime(1.0)->UseRealTime();
BENCHMARK(BM_TableAfterWindowChange)->Unit(benchmark::kMillisecond)->MinTime(1.0)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    table(); // built and analysed before the timing starts
    test::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n");
    reporter.printRatio("BM_TableAfterOneEdit", "BM_AnalyseOneSet");
    reporter.printRatio("BM_TableAfterWindowChange", "BM_AnalyseOneSet");
    const auto edit = reporter.realTimes.find("BM_TableAfterOneEdit");
    if (edit != reporter.realTimes.end())
        std::printf("Table after an edit of one of 8 x 65,536 samples: %.3f ms (frame budget 16 ms)\n", edit->second);
    benchmark::Shutdown();
    return 0;
}
