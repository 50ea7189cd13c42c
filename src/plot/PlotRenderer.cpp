#include "plot/PlotRenderer.h"

#include "analysis/FlightReport.h"
#include "data/Plot.h"
#include "data/SetView.h"
#include "plot/AltitudeDisplay.h"
#include "plot/AxisTicks.h"
#include "plot/BackgroundPicture.h"
#include "plot/ClimbRateCurve.h"
#include "plot/CurveOccupancy.h"
#include "plot/FlightOverlay.h"
#include "plot/PaintColour.h"
#include "plot/PlotLegend.h"
#include "plot/PlotText.h"
#include "plot/SignalPainter.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <optional>

namespace vimo {
namespace {

class Renderer {
public:
    Renderer(QPainter& painter, int ppiX, int ppiY, const Plot& plot, const PrintSettings& page,
             const RenderOptions& options)
        : p(painter), ppiX(ppiX), ppiY(ppiY), plot(plot), page(page), options(options),
          l(computePlotLayout(ppiX, ppiY, page, options.climbRate)), map(plot, l), W(l.pageWidth), H(l.pageHeight),
          inColor(page.inColor), paper(inColor ? paintColour(plot.backgroundColor) : QColor(Qt::white)),
          ink(inColor ? paintColour(plot.gridColor) : QColor(Qt::black))
    {
    }

    PlotLayout run()
    {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setRenderHint(QPainter::TextAntialiasing, true);
        p.setRenderHint(QPainter::SmoothPixmapTransform, false);
        p.setBrush(Qt::NoBrush);

        // Tick labels: bold, a 27th of the page high, in the scale colour (black in black and white).
        setFont(H / 27, inColor ? paintColour(plot.scaleColor) : QColor(Qt::black));
        drawPage();
        if (plot.showBackground)
            drawBackground();
        drawTimeAxis();
        drawAltitudeAxis();
        std::optional<ClimbRateCurve> climb;
        if (options.climbRate) {
            climb.emplace(plot, l, shownSet(options.activeSet));
            climb->paintAxis(p, ppiX, ink, textColour, paper, plotFont(H / 35, p.device()));
        }
        drawZeroLine();
        drawTexts();
        std::optional<CurveOccupancy> curves;
        if (options.flights)
            curves.emplace(l.plotLeft, l.plotRight);
        drawSignals(climb ? &*climb : nullptr, curves ? &*curves : nullptr);
        drawFlights(curves ? &*curves : nullptr); // still clipped to the data area
        drawFrame();
        PlotLayout drawn = l;
        if (options.legend)
            drawn.legend = drawPlotLegend(p, ppiX, ppiY, plot, l, inColor,
                                          inColor ? paintColour(plot.labelColor) : QColor(Qt::black), paper);
        return drawn;
    }

private:
    void setFont(int cellHeight, const QColor& colour)
    {
        p.setFont(plotFont(cellHeight, p.device()));
        textColour = colour;
    }
    void setTextColour(const QColor& colour) { textColour = colour; }

    void text(int left, int top, const QString& s) { drawTextCell(p, left, top, s, textColour, paper); }
    int textWidth(const QString& s) const { return p.fontMetrics().horizontalAdvance(s); }
    int textHeight() const { return p.fontMetrics().height(); }

    // Centred on the data area horizontally.
    void centredText(int top, const QString& s)
    {
        text(l.plotLeft + (l.plotRight - l.plotLeft) / 2 - textWidth(s) / 2, top, s);
    }

    void solidInk(int width = 1) { p.setPen(QPen(ink, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin)); }
    void dottedInk() { p.setPen(QPen(ink, 1, Qt::DotLine, Qt::FlatCap, Qt::MiterJoin)); }

    void drawPage()
    {
        const QRect pageRect(l.pageLeft, l.pageTop, l.pageRight - l.pageLeft, l.pageBottom - l.pageTop);
        if (pageRect.isEmpty())
            return;
        p.fillRect(pageRect, paper);
        // In black and white the page gets a black border; in colour the border is the page's own colour.
        p.setPen(QPen(inColor ? paper : QColor(Qt::black), 1));
        p.drawRect(pageRect.adjusted(0, 0, -1, -1));
    }

    void drawBackground()
    {
        const double left = double(ppiX) * page.leftInches;
        const double top = double(ppiY) * page.topInches;
        const QPoint from(int(std::trunc(left + 1)), int(std::trunc(top + 1)));
        const QPoint to(int(std::trunc(W + left - 1)), int(std::trunc(H + top - 1)));
        const QRect target(from, QSize(to.x() - from.x(), to.y() - from.y()));
        if (!target.isEmpty())
            p.drawImage(target, backgroundPicture());
    }

    void drawTimeAxis()
    {
        for (const AxisTick& tick : timeAxisTicks(plot, l)) {
            const int x = tick.pixel;
            solidInk();
            p.drawLine(x, l.plotBottom, x, l.plotBottom + ppiY / 17);
            dottedInk();
            p.drawLine(x, l.plotTop, x, l.plotBottom);
            text(x - textWidth(tick.label) / 2, l.plotBottom + ppiY / 15, tick.label);
        }
        solidInk();
    }

    void drawAltitudeAxis()
    {
        for (const AxisTick& tick : altitudeAxisTicks(plot, l)) {
            const int y = tick.pixel;
            solidInk();
            p.drawLine(l.plotLeft - 1, y, l.plotLeft - ppiX / 17, y);
            dottedInk();
            p.drawLine(l.plotLeft, y, l.plotRight, y);
            text(l.plotLeft - textWidth(tick.label) - ppiX / 15, y - textHeight() / 2, tick.label);
        }
        solidInk();
    }

    void drawZeroLine()
    {
        // On the bottom or top edge when 0 lies outside the altitude range.
        const int y0 = l.plotTop + map.altitudeToPixel(0);
        solidInk();
        p.drawLine(l.plotLeft, y0, l.plotRight, y0);
    }

    void drawTexts()
    {
        // Title, info, axis labels and footer keep their plot colours in black and white too.
        setFont(H / 20, paintColour(plot.labelColor));
        centredText(l.titleTop, plot.title);

        setTextColour(paintColour(plot.infoColor));
        if (plot.showInfo) {
            setFont(H / 50, textColour);
            centredText(l.titleTop + 2 * textHeight(), plot.info1);
            const int left = l.pageLeft + (l.pageRight - l.pageLeft) / 40;
            const int bottom = l.pageBottom - (l.pageBottom - l.pageTop) / 40;
            text(left, bottom - 2 * textHeight(), plot.info2);
            text(left, bottom - textHeight(), plot.info3);
        }

        setFont(H / 25, paintColour(plot.labelColor));
        centredText(l.xLabelTop, plot.xLabel);

        setFont(H / 35, paintColour(plot.scaleColor));
        {
            const int right = l.pageRight - (l.pageRight - l.pageLeft) / 40;
            const int bottom = l.pageBottom - (l.pageBottom - l.pageTop) / 40;
            text(right - textWidth(plot.footer1), bottom - 2 * textHeight(), plot.footer1);
            text(right - textWidth(plot.footer2), bottom - textHeight(), plot.footer2);
        }

        if (plot.showAvgClimb && plot.signals.signalCount() > 0)
            centredText(int(std::trunc(1.5 * textHeight() + l.xLabelTop)), averageClimbText(plot));

        // The altitude label in the footer's font, running upwards, centred on the data area's height.
        const QString yLabel = axisLabel(plot);
        drawUpwardTextCell(p, l.yLabelLeft, l.plotTop + (l.plotBottom - l.plotTop) / 2 + textWidth(yLabel) / 2, yLabel,
                           textColour, paper);
    }

    QRect dataArea() const
    {
        return QRect(l.plotLeft, l.plotTop, l.plotRight + 1 - l.plotLeft, l.plotBottom + 1 - l.plotTop);
    }

    // Data set k when it exists and is shown, else -1.
    int shownSet(int k) const { return plot.signals.isValidIndex(k) && plot.signals.at(k).altitude.visible ? k : -1; }

    // The climb-rate curve first, under the data sets' lines; `curves` (when given) learns where every line runs.
    void drawSignals(const ClimbRateCurve* climb, CurveOccupancy* curves)
    {
        const QRect clip = dataArea();
        p.setClipRect(clip);
        if (climb) {
            const int k = shownSet(options.activeSet);
            climb->paintCurve(p, inColor && k >= 0 ? paintColour(plot.signals.at(k).altitude.lineColor)
                                                   : QColor(Qt::black));
            if (curves)
                curves->addPolyline(climb->points());
        }
        SignalPainter signalPainter(
            {p, plot, l, map, ppiX, ppiY, inColor, textColour, paper, clip, options.everySample});
        const DataSetList& sets = plot.signals;
        for (int k = 0; k < sets.size(); ++k) {
            const DataSet& set = sets.at(k);
            if (!set.altitude.visible)
                continue; // a hidden data set: neither its line nor its triggers
            const SetView view = setView(plot, set);
            signalPainter.paint(set.altitude, &set.rateMarks, view);
            if (curves)
                curves->addPolyline(signalPainter.points());
            if (set.trigger.visible)
                signalPainter.paint(set.trigger, nullptr, view);
        }
    }

    void drawFlights(const CurveOccupancy* curves)
    {
        if (!options.flights)
            return;
        FlightReport shown;
        if (options.activeSet < 0) {
            shown = reportInAxisUnit(plot, *options.flights);
        } else if (shownSet(options.activeSet) >= 0) {
            shown = reportInView(plot, plot.signals.at(options.activeSet), *options.flights);
        } else {
            return; // the flights of a hidden or missing data set
        }
        paintFlightOverlay(p, l, map, shown, OverlayStyle{inColor, ppiX, paper, curves});
    }

    void drawFrame()
    {
        solidInk(std::max(ppiX / 75, 1));
        const QPoint corners[] = {
            {l.plotLeft, l.plotTop}, {l.plotLeft, l.plotBottom}, {l.plotRight, l.plotBottom}, {l.plotRight, l.plotTop}};
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(corners, 4);
        solidInk();
        p.setClipping(false);
    }

    QPainter& p;
    const int ppiX;
    const int ppiY;
    const Plot& plot;
    const PrintSettings& page;
    const RenderOptions& options;
    const PlotLayout l;
    const PixelMapper map;
    const int W;
    const int H;
    const bool inColor;
    const QColor paper; // page, text cells and marker fill
    const QColor ink;   // grid, ticks, zero line, frame
    QColor textColour;
};

} // namespace

PlotLayout renderPlot(QPainter& painter, int ppiX, int ppiY, const Plot& plot, const PrintSettings& page,
                      const RenderOptions& options)
{
    painter.save();
    const PlotLayout layout = Renderer(painter, ppiX, ppiY, plot, page, options).run();
    painter.restore();
    return layout;
}

} // namespace vimo
