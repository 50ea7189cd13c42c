// The Flights table's update after an edit of one of 8 data sets of 65,536 samples (what a crop of one set, a
// correction, an undo or a rename costs the table), against the analysis of that one data set in the same run. A
// change of the start-height window makes the table analyse every data set again: that is what each edit cost
// while the table analysed everything on every change. A frame is 16 ms.
#include "../support/RatioReporter.h"
#include "../support/SyntheticFlight.h"
#include "analysis/FlightAnalysis.h"
#include "app/plotview/FlightsTableModel.h"
#include "data/Plot.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>

using namespace vimo;

namespace {

constexpr int kEdited = 3; // the data set the edit touches

struct Table {
    Plot plot;
    std::unique_ptr<FlightsTableModel> model;

    Table()
    {
        plot.yLabel = QStringLiteral("Altitude (meters)");
        for (int k = 0; k < 8; ++k) {
            test::fillFlight(plot.signals.createDataSet(), SampleSeries::kCapacity, std::uint32_t(k + 1));
            plot.signals.notifyChanged(k);
        }
        model = std::make_unique<FlightsTableModel>(plot);
    }
};

Table& table()
{
    static Table t;
    return t;
}

void BM_AnalyseOneSet(benchmark::State& state)
{
    const Plot& plot = table().plot;
    for (auto _ : state) {
        const FlightReport r = analyseFlights(plot.signals.at(kEdited).altitude, plot.yLabel);
        benchmark::DoNotOptimize(r.flights.data());
    }
}

void BM_TableAfterEditOfOneSet(benchmark::State& state)
{
    Table& t = table();
    for (auto _ : state) {
        t.plot.signals.notifyChanged(kEdited);
        benchmark::DoNotOptimize(t.model->rowCount());
    }
}

void BM_TableAnalysingEverySet(benchmark::State& state)
{
    Table& t = table();
    bool wide = false;
    for (auto _ : state) {
        t.model->setWindow(wide ? 10.5 : 10.0);
        wide = !wide;
        benchmark::DoNotOptimize(t.model->rowCount());
    }
}

BENCHMARK(BM_AnalyseOneSet)->Unit(benchmark::kMillisecond)->MinTime(1.0)->UseRealTime();
BENCHMARK(BM_TableAfterEditOfOneSet)->Unit(benchmark::kMillisecond)->MinTime(1.0)->UseRealTime();
BENCHMARK(BM_TableAnalysingEverySet)->Unit(benchmark::kMillisecond)->MinTime(1.0)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    table(); // built before the timing starts
    test::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n");
    reporter.printRatio("BM_TableAfterEditOfOneSet", "BM_AnalyseOneSet");
    reporter.printRatio("BM_TableAnalysingEverySet", "BM_AnalyseOneSet");
    const auto edit = reporter.realTimes.find("BM_TableAfterEditOfOneSet");
    if (edit != reporter.realTimes.end())
        std::printf("The table's update after an edit of one data set: %.2f ms (a frame: 16 ms)\n", edit->second);
    benchmark::Shutdown();
    return 0;
}
