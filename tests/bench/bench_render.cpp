// Rendering speed of long flights: the whole plot of 8 data sets of 65,536 samples on a 1600 x 900 bitmap, drawn
// through every sample (the reference) and through the first, lowest, highest and last sample of each pixel
// column, with solid (two pixels wide) and with dashed and dotted (one pixel wide) lines. After the runs the
// figures are printed side by side with their ratios: all are measured in the same run on the same machine.

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
#include <tuple>

namespace {

using namespace vimo;

Plot& longFlights(std::int32_t lineStyle)
{
    static const std::unique_ptr<Plot> plot = [] {
        auto p = std::make_unique<Plot>();
        for (int k = 0; k < 8; ++k)
            test::fillFlight(p->signals.createDataSet(), SampleSeries::kCapacity, std::uint32_t(k + 1));
        autoScaleTime(*p);
        autoScaleAltitude(*p);
        return p;
    }();
    for (int k = 0; k < plot->signals.size(); ++k)
        plot->signals.at(k).altitude.lineStyle = lineStyle;
    return *plot;
}

void renderLongFlights(benchmark::State& state, bool everySample, std::int32_t lineStyle = kLineSolid)
{
    const Plot& plot = longFlights(lineStyle);
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

void BM_RenderEverySample(benchmark::State& state)
{
    renderLongFlights(state, true);
}
void BM_RenderPixelColumns(benchmark::State& state)
{
    renderLongFlights(state, false);
}
void BM_RenderDashedEverySample(benchmark::State& state)
{
    renderLongFlights(state, true, kLineDash);
}
void BM_RenderDashed(benchmark::State& state)
{
    renderLongFlights(state, false, kLineDash);
}
void BM_RenderDotted(benchmark::State& state)
{
    renderLongFlights(state, false, kLineDot);
}

BENCHMARK(BM_RenderEverySample)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_RenderPixelColumns)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_RenderDashedEverySample)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_RenderDashed)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_RenderDotted)->Unit(benchmark::kMillisecond)->MinTime(2.0);

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
    const auto figure = [&cpu](const char* name) { return cpu.count(name) ? cpu.at(name) : 0.0; };
    std::printf("\nCPU time of one rendering (ms)   pixel columns   every sample\n");
    for (const auto& [what, columns, every] : {std::tuple{"solid", "BM_RenderPixelColumns", "BM_RenderEverySample"},
                                               std::tuple{"dashed", "BM_RenderDashed", "BM_RenderDashedEverySample"},
                                               std::tuple{"dotted", "BM_RenderDotted", ""}}) {
        if (figure(columns) > 0 && figure(every) > 0)
            std::printf("  %-30s %13.2f   %12.2f\n", what, figure(columns), figure(every));
        else if (figure(columns) > 0)
            std::printf("  %-30s %13.2f   %12s\n", what, figure(columns), "-");
    }
    std::printf("\n");
    reporter.printRatio("BM_RenderPixelColumns", "BM_RenderEverySample");
    reporter.printRatio("BM_RenderDashed", "BM_RenderDashedEverySample");
    reporter.printRatio("BM_RenderDashed", "BM_RenderPixelColumns");
    reporter.printRatio("BM_RenderDotted", "BM_RenderPixelColumns");
    benchmark::Shutdown();
    return 0;
}
