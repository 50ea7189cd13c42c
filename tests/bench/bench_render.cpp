// Rendering speed of long flights: the whole plot of 8 data sets of 65,536 samples on a 1600 x 900 bitmap, drawn
// through every sample (the reference) and through the first, lowest, highest and last sample of each pixel
// column. After the runs the ratio of the two is printed: both are measured in the same run on the same machine.

#include "../support/RatioReporter.h"
#include "../support/SyntheticFlight.h"
#include "data/AutoScale.h"
#include "data/Plot.h"
#include "plot/PlotRenderer.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <memory>
#include <string>

namespace {

using namespace vimo;

const Plot& longFlights()
{
    static const std::unique_ptr<Plot> plot = [] {
        auto p = std::make_unique<Plot>();
        for (int k = 0; k < 8; ++k)
            test::fillFlight(p->signals.createDataSet(), SampleSeries::kCapacity, std::uint32_t(k + 1));
        autoScaleTime(*p);
        autoScaleAltitude(*p);
        return p;
    }();
    return *plot;
}

void renderLongFlights(benchmark::State& state, bool everySample)
{
    const Plot& plot = longFlights();
    PrintSettings page;
    page.widthInches = 16;
    page.heightInches = 9;
    page.inColor = true;
    QImage image(1600, 900, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        renderPlot(painter, 100, 100, plot, page, RenderOptions{everySample});
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetItemsProcessed(state.iterations() * 8 * SampleSeries::kCapacity);
}

void BM_RenderEverySample(benchmark::State& state) { renderLongFlights(state, true); }
void BM_RenderPixelColumns(benchmark::State& state) { renderLongFlights(state, false); }

BENCHMARK(BM_RenderEverySample)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_RenderPixelColumns)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    test::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto& cpu = reporter.cpuTimes;
    const auto every = cpu.find("BM_RenderEverySample");
    const auto columns = cpu.find("BM_RenderPixelColumns");
    if (every != cpu.end() && columns != cpu.end() && columns->second > 0)
        std::printf("\nCPU time of one rendering: pixel columns %.2f ms, every sample %.2f ms: %.1f times faster\n",
                    columns->second, every->second, every->second / columns->second);
    benchmark::Shutdown();
    return 0;
}
