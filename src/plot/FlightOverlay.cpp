#include "plot/FlightOverlay.h"

#include "analysis/FlightReport.h"
#include "analysis/FlightText.h"
#include "data/CFormat.h"
#include "plot/CurveOccupancy.h"
#include "plot/PlotLayout.h"
#include "plot/PlotText.h"

#include <QPainter>
#include <algorithm>
#include <vector>

namespace vimo {
namespace {

class OverlayPainter {
public:
    OverlayPainter(QPainter& p, const PlotLayout& l, const PixelMapper& map, const OverlayStyle& style)
        : p(p), l(l), map(map), style(style), inColor(style.inColor), mark(std::max(style.ppiX / 20, 4))
    {
    }

    int x(double t) const { return l.plotLeft + map.timeToPixel(t); }
    int y(double a) const { return l.plotTop + map.altitudeToPixel(a); }

    // The band's columns within the data area; empty when the band lies out of view.
    QRect bandRect(double from, double to) const
    {
        const int left = std::max(x(from), l.plotLeft);
        const int right = std::min(x(to), l.plotRight);
        return right > left ? QRect(left, l.plotTop, right - left, l.plotBottom - l.plotTop) : QRect();
    }

    void band(const QRect& rect) { p.fillRect(rect, inColor ? QColor(255, 200, 80, 60) : QColor(0, 0, 0, 28)); }

    void dashedLine(double t)
    {
        p.setPen(QPen(inColor ? QColor(200, 120, 0) : QColor(Qt::black), 1, Qt::DashLine));
        p.drawLine(x(t), l.plotTop, x(t), l.plotBottom);
    }

    // The highest point of the start-height window, when it lies in view, and the start height beside the band.
    void startHeight(const QRect& bandRect, double t, double altitude, const QString& label)
    {
        const QColor ink = inColor ? QColor(200, 80, 0) : QColor(Qt::black);
        const bool pointInView = map.timeInView(t);
        const QPoint at(x(t), y(altitude));
        if (pointInView) {
            p.setPen(QPen(ink, 1));
            p.setBrush(ink);
            p.drawEllipse(at, mark / 3, mark / 3);
            p.setBrush(Qt::NoBrush);
        }
        p.setFont(plotFont(std::max((l.plotBottom - l.plotTop) / 18, 8), p.device()));
        const QFontMetrics metrics = p.fontMetrics();
        const QSize size(metrics.horizontalAdvance(label), metrics.height());
        bool free = false;
        const QRect box = labelBox(bandRect, pointInView ? std::optional<QPoint>(at) : std::nullopt, size, free);
        if (!free)
            p.fillRect(box, style.paper); // no place clear of the curves: at least readable
        p.setPen(ink);
        p.drawText(QPoint(box.left(), box.top() + metrics.ascent()), label);
    }

    // An upward (launch) or downward (landing) triangle standing on the bottom edge; none out of view, where it
    // would stand pinned to an edge.
    void edgeTriangle(double t, bool upward)
    {
        if (!map.timeInView(t))
            return;
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
        const int left = std::max(x(from), l.plotLeft);
        const int right = std::min(x(to), l.plotRight);
        if (right > left)
            p.fillRect(QRect(left, l.plotBottom - mark - 2 * barThickness(), right - left, barThickness()),
                       inColor ? QColor(0, 150, 60) : QColor(Qt::black));
    }

private:
    int barThickness() const { return std::max(mark / 4, 2); }

    // Where the start-height label goes: inside the band at its left when it fits, else just right or just left
    // of it; at the top of the data area, above the highest point, or just over the marks on the bottom edge; the
    // first of these that lies in the data area and covers no curve (`free`), else the one that covers the fewest
    // columns of curves.
    QRect labelBox(const QRect& bandRect, std::optional<QPoint> point, QSize size, bool& free) const
    {
        const int pad = std::max(mark / 2, 2);
        std::vector<int> lefts;
        if (bandRect.width() >= size.width() + 2 * pad)
            lefts.push_back(bandRect.left() + pad);
        lefts.push_back(bandRect.right() + 1 + pad);
        lefts.push_back(bandRect.left() - pad - size.width());
        std::vector<int> tops = {l.plotTop + pad};
        if (point)
            tops.push_back(point->y() - pad - size.height());
        tops.push_back(l.plotBottom - mark - 3 * barThickness() - size.height());

        const QRect area(l.plotLeft, l.plotTop, l.plotRight - l.plotLeft, l.plotBottom - l.plotTop);
        QRect best;
        int bestCovered = -1;
        for (const int top : tops) {
            for (const int left : lefts) {
                const QRect box(QPoint(left, top), size);
                if (!area.contains(box))
                    continue;
                // A margin of the wide lines' half width.
                const int covered = style.curves ? style.curves->coveredColumns(box.adjusted(-2, -2, 2, 2)) : 0;
                if (covered == 0) {
                    free = true;
                    return box;
                }
                if (bestCovered < 0 || covered < bestCovered) {
                    best = box;
                    bestCovered = covered;
                }
            }
        }
        if (bestCovered < 0) // the data area is smaller than the label: keep it at the band's top left
            best = QRect(QPoint(bandRect.left() + pad, l.plotTop + pad), size);
        return best;
    }

    QPainter& p;
    const PlotLayout& l;
    const PixelMapper& map;
    const OverlayStyle& style;
    const bool inColor;
    const int mark;
};

} // namespace

void paintFlightOverlay(QPainter& painter, const PlotLayout& layout, const PixelMapper& map, const FlightReport& report,
                        const OverlayStyle& style)
{
    painter.save();
    OverlayPainter o(painter, layout, map, style);
    const QString unit = unitSymbol(report.unit.unit);
    for (const Flight& f : report.flights) {
        QRect band;
        if (f.launchEnd && f.windowEnd) {
            band = o.bandRect(f.launch, *f.windowEnd);
            if (!band.isEmpty())
                o.band(band);
            o.dashedLine(*f.launchEnd);
        }
        for (const Climb& c : f.climbs)
            o.climbBar(c.start, c.end);
        if (!f.launchBeforeRecording)
            o.edgeTriangle(f.launch, true);
        if (f.landing)
            o.edgeTriangle(*f.landing, false);
        if (f.startHeight && f.startHeightTime && !band.isEmpty())
            o.startHeight(band, *f.startHeightTime, f.groundAltitude + *f.startHeight,
                          QString::fromLatin1(cformat::fixed(*f.startHeight, 1)) + QLatin1Char(' ') + unit);
    }
    painter.restore();
}

} // namespace vimo
