#include "plot/FlightOverlay.h"

#include "analysis/FlightReport.h"
#include "analysis/FlightText.h"
#include "data/CFormat.h"
#include "plot/PlotLayout.h"
#include "plot/PlotText.h"

#include <QPainter>
#include <algorithm>

namespace vimo {
namespace {

class OverlayPainter {
public:
    OverlayPainter(QPainter& p, const PlotLayout& l, const PixelMapper& map, bool inColor, int ppiX)
        : p(p), l(l), map(map), inColor(inColor), mark(std::max(ppiX / 20, 4))
    {
    }

    int x(double t) const { return l.plotLeft + map.timeToPixel(t); }
    int y(double a) const { return l.plotTop + map.altitudeToPixel(a); }

    void band(double from, double to)
    {
        const QColor fill = inColor ? QColor(255, 200, 80, 60) : QColor(0, 0, 0, 28);
        const int left = std::max(x(from), l.plotLeft);
        const int right = std::min(x(to), l.plotRight);
        if (right > left)
            p.fillRect(QRect(left, l.plotTop, right - left, l.plotBottom - l.plotTop), fill);
    }

    void dashedLine(double t)
    {
        p.setPen(QPen(inColor ? QColor(200, 120, 0) : QColor(Qt::black), 1, Qt::DashLine));
        p.drawLine(x(t), l.plotTop, x(t), l.plotBottom);
    }

    void highestPoint(double t, double altitude, const QString& label)
    {
        const QColor ink = inColor ? QColor(200, 80, 0) : QColor(Qt::black);
        const QPoint at(x(t), y(altitude));
        p.setPen(QPen(ink, 1));
        p.setBrush(ink);
        p.drawEllipse(at, mark / 3, mark / 3);
        p.setBrush(Qt::NoBrush);
        p.setFont(plotFont(std::max((l.plotBottom - l.plotTop) / 18, 8), p.device()));
        p.setPen(ink);
        const int height = p.fontMetrics().height();
        p.drawText(QPoint(at.x() + mark / 2, std::max(at.y() - mark / 2, l.plotTop + height)), label);
    }

    // An upward (launch) or downward (landing) triangle standing on the bottom edge.
    void edgeTriangle(double t, bool upward)
    {
        const QColor ink = inColor ? QColor(0, 110, 0) : QColor(Qt::black);
        const int cx = x(t);
        const int base = l.plotBottom;
        const int top = base - mark;
        const QPoint up[] = {{cx - mark / 2, base}, {cx + mark / 2, base}, {cx, top}};
        const QPoint down[] = {{cx - mark / 2, top}, {cx + mark / 2, top}, {cx, base}};
        p.setPen(QPen(ink, 1));
        p.setBrush(ink);
        p.drawPolygon(upward ? up : down, 3);
        p.setBrush(Qt::NoBrush);
    }

    void climbBar(double from, double to)
    {
        const int thickness = std::max(mark / 4, 2);
        const int left = std::max(x(from), l.plotLeft);
        const int right = std::min(x(to), l.plotRight);
        if (right > left)
            p.fillRect(QRect(left, l.plotBottom - mark - 2 * thickness, right - left, thickness),
                       inColor ? QColor(0, 150, 60) : QColor(Qt::black));
    }

private:
    QPainter& p;
    const PlotLayout& l;
    const PixelMapper& map;
    const bool inColor;
    const int mark;
};

} // namespace

void paintFlightOverlay(QPainter& painter, const PlotLayout& layout, const PixelMapper& map, const FlightReport& report,
                        bool inColor, int ppiX)
{
    painter.save();
    OverlayPainter o(painter, layout, map, inColor, ppiX);
    const QString unit = unitSymbol(report.unit.unit);
    for (const Flight& f : report.flights) {
        if (f.launchEnd && f.windowEnd) {
            o.band(f.launch, *f.windowEnd);
            o.dashedLine(*f.launchEnd);
        }
        for (const Climb& c : f.climbs)
            o.climbBar(c.start, c.end);
        if (!f.launchBeforeRecording)
            o.edgeTriangle(f.launch, true);
        if (f.landing)
            o.edgeTriangle(*f.landing, false);
        if (f.startHeight && f.startHeightTime)
            o.highestPoint(*f.startHeightTime, f.groundAltitude + *f.startHeight,
                           QString::fromLatin1(cformat::fixed(*f.startHeight, 1)) + QLatin1Char(' ') + unit);
    }
    painter.restore();
}

} // namespace vimo
