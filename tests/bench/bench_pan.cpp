// One pan step on the "Recorded Data" page with 8 data sets of 65,536 samples: the key's action moves the view, the plot box
// renders the plot afresh at its own size and paints it on the screen. The baseline is a bare rendering of the
// same plot onto a bitmap of the plot box's size; the ratio of the two shows what the page adds to the renderer.
// A mouse move, which paints the cursor over the kept picture, is measured beside them.
// Run it on the offscreen platform, or under Xvfb with QT_QPA_PLATFORM=xcb to include the way to the X server.

#include "../support/RatioReporter.h"
#include "../support/SyntheticFlight.h"
#include "app/pages/DataPage.h"
#include "app/plotview/PlotBox.h"
#include "app/session/PlotSession.h"
#include "data/AutoScale.h"
#include "data/Plot.h"
#include "plot/PlotRenderer.h"
#include "plot/PrintSettings.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <memory>
#include <string>

namespace {

using namespace vimo;

struct Page {
    QWidget dialogHost;
    PlotSession session{&dialogHost};
    Plot& plot = session.plot();
    std::unique_ptr<DataPage> content;

    Page()
    {
        for (int k = 0; k < 8; ++k)
            test::fillFlight(plot.signals.createDataSet(), SampleSeries::kCapacity, std::uint32_t(k + 1));
        autoScaleTime(plot);
        autoScaleAltitude(plot);
        content = std::make_unique<DataPage>(session);
        content->resize(1400, 820);
        content->show();
        QApplication::processEvents();
        content->plotBox()->repaint();
    }
};

// Built at the first benchmark, released before the application object goes.
std::unique_ptr<Page> thePage;

Page& page()
{
    if (!thePage)
        thePage = std::make_unique<Page>();
    return *thePage;
}

void BM_BareRender(benchmark::State& state)
{
    Page& p = page();
    const PlotBox* box = p.content->plotBox();
    PrintSettings screen;
    screen.widthInches = double(box->width()) / box->logicalDpiX();
    screen.heightInches = double(box->height()) / box->logicalDpiY();
    screen.inColor = true;
    QImage image(box->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        renderPlot(painter, box->logicalDpiX(), box->logicalDpiY(), p.plot, screen);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetLabel(std::to_string(box->width()) + " x " + std::to_string(box->height()));
}

void BM_PanStep(benchmark::State& state)
{
    Page& p = page();
    PlotBox* box = p.content->plotBox();
    bool right = true;
    for (auto _ : state) {
        // The Shift+arrow shortcuts of the page.
        p.session.findChild<QAction*>(right ? QStringLiteral("PanRightAction") : QStringLiteral("PanLeftAction"))
            ->trigger();
        box->repaint(); // the paint the key asked for, now
        right = !right;
    }
    state.SetLabel(std::to_string(box->width()) + " x " + std::to_string(box->height()));
}

// A mouse move over the data area: read-outs and the cursor circle over the kept picture, no rendering.
void BM_CursorMove(benchmark::State& state)
{
    Page& p = page();
    PlotBox* box = p.content->plotBox();
    const QPoint centre = box->rect().center();
    int step = 0;
    for (auto _ : state) {
        const QPointF at(centre.x() + (step++ % 40) * 3, centre.y());
        QMouseEvent move(QEvent::MouseMove, at, box->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(box, &move);
        box->repaint(box->rect());
    }
}

BENCHMARK(BM_BareRender)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_PanStep)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_CursorMove)->Unit(benchmark::kMillisecond)->MinTime(1.0)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    test::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto& real = reporter.realTimes;
    const auto bare = real.find("BM_BareRender");
    const auto pan = real.find("BM_PanStep");
    const auto cursor = real.find("BM_CursorMove");
    if (bare != real.end() && pan != real.end() && bare->second > 0)
        std::printf("\nOne pan step with its repaint: %.2f ms; a bare rendering of the same plot: %.2f ms; "
                    "ratio %.2f\n",
                    pan->second, bare->second, pan->second / bare->second);
    if (bare != real.end() && cursor != real.end() && bare->second > 0)
        std::printf("A mouse move with its repaint: %.2f ms, %.3f of a rendering\n", cursor->second,
                    cursor->second / bare->second);
    thePage.reset();
    benchmark::Shutdown();
    return 0;
}
