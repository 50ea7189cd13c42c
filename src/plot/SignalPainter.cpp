#include "plot/SignalPainter.h"

#include "data/CFormat.h"
#include "data/Plot.h"
#include "plot/ColumnReduction.h"
#include "plot/PaintColour.h"
#include "plot/PlotLayout.h"
#include "plot/PlotText.h"

#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <cmath>

namespace vimo {
namespace {

constexpr double kDegreesPerRadian = 57.29577950560105;

// A solid pen whose lines end one pixel before their end point, as "move to, line to" drawing does.
QPen solidPen(const QColor& colour, int width)
{
    QPen pen(colour, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    return pen;
}

// The angle in degrees of the line from (x1, y1) to (x2, y2) above the horizontal, y growing downwards; a
// vertical line is +-90 degrees, a single point 0.
double rateLabelAngle(int x1, int y1, int x2, int y2)
{
    const double rise = double(y1) - double(y2);
    if (x2 == x1)
        return rise > 0 ? 90.0 : (rise < 0 ? -90.0 : 0.0);
    return std::atan(rise / (double(x2) - double(x1))) * kDegreesPerRadian;
}

} // namespace

bool linePenStyle(std::int32_t lineStyle, Qt::PenStyle& style)
{
    switch (lineStyle) {
    case kLineSolid:
        style = Qt::SolidLine;
        return true;
    case kLineDot:
        style = Qt::DotLine;
        return true;
    case kLineDash:
        style = Qt::DashLine;
        return true;
    case kLineDashDot:
        style = Qt::DashDotLine;
        return true;
    case kLineDashDotDot:
        style = Qt::DashDotDotLine;
        return true;
    default:
        return false;
    }
}

void SignalPainter::computePositions(const Signal& signal)
{
    // Every sample through the Signal's display transform, shifted in time and converted into the axis unit as the
    // view places the data set, then onto the data area. The hot loop of a rendering. The view is folded into the
    // transform: with no shift and a factor of 1 the values are exactly the untransformed ones.
    const std::vector<double>& times = signal.series.times();
    const std::vector<double>& altitudes = signal.series.altitudes();
    const double timeScale = signal.timeScale;
    const double timeOffset = signal.timeOffset + m_view.timeShift;
    const double altitudeScale = signal.altitudeScale * m_view.toAxis;
    const double altitudeOffset = signal.altitudeOffset * m_view.toAxis;
    const int left = m_c.layout.plotLeft;
    const int top = m_c.layout.plotTop;
    const PixelMapper& map = m_c.mapper;
    const std::size_t n = times.size();
    m_points.resize(n);
    QPoint* out = m_points.data();
    for (std::size_t i = 0; i < n; ++i)
        out[i] = QPoint(left + map.timeToPixel(times[i] * timeScale + timeOffset),
                        top + map.altitudeToPixel(altitudes[i] * altitudeScale + altitudeOffset));
}

void SignalPainter::paint(const Signal& signal, const std::array<RateMark, kRateMarkSlots>* rateMarks,
                          const SetView& view)
{
    m_view = view;
    computePositions(signal);
    paintLine(signal);
    paintMarkers(signal);
    if (signal.series.hasTags())
        paintTags(signal);
    if (rateMarks)
        paintRateMarks(signal, *rateMarks);
}

void SignalPainter::paintLine(const Signal& signal)
{
    Qt::PenStyle style = Qt::NoPen;
    if (!linePenStyle(signal.lineStyle, style) || m_points.size() < 2)
        return;
    const QColor colour = m_c.inColor ? paintColour(signal.lineColor) : QColor(Qt::black);
    const int width = style == Qt::SolidLine ? std::max(m_c.ppiX / 150, 2) : 1;
    QPainter& p = m_c.painter;
    if (m_c.everySample) {
        p.setPen(QPen(colour, width, style, width == 1 ? Qt::FlatCap : Qt::RoundCap,
                      width == 1 ? Qt::MiterJoin : Qt::RoundJoin));
        p.drawPolyline(m_points.data(), int(m_points.size()));
        return;
    }
    reduceColumns(m_points, m_reduced);
    // Dotted and dashed lines are one pixel wide. They are drawn as one polyline through the points that shape
    // each pixel column, so that their pattern runs on along the whole drawn line, as it did through every sample,
    // while the stroker dashes a few points per column instead of every sample.
    if (width == 1) {
        p.setPen(QPen(colour, width, style, Qt::FlatCap, Qt::MiterJoin));
        p.drawPolyline(m_reduced.data(), int(m_reduced.size()));
        return;
    }
    // A wide line has round ends and joins: its outline is the same whether it bends at a sample or ends there.
    // So it may be drawn as separate segments through the points that shape each pixel column, which the raster
    // engine fills one by one instead of as one long, self-overlapping outline. Two pixels wide, a square end
    // covers the same pixels as a round one and is far quicker to fill.
    m_segments.clear();
    for (std::size_t i = 1; i < m_reduced.size(); ++i) {
        if (m_reduced[i] != m_reduced[i - 1])
            m_segments.emplace_back(m_reduced[i - 1], m_reduced[i]);
    }
    if (m_segments.empty()) // every sample on one pixel: a dot
        m_segments.emplace_back(m_reduced.front(), m_reduced.front());
    p.setPen(QPen(colour, width, style, width <= 2 ? Qt::SquareCap : Qt::RoundCap, Qt::RoundJoin));
    p.drawLines(m_segments.data(), int(m_segments.size()));
}

void SignalPainter::paintMarkers(const Signal& signal)
{
    const int style = signal.pointStyle;
    if (style <= kPointNone || style >= kPointStyleCount)
        return; // no markers, or a style this program does not know
    const QColor colour = m_c.inColor ? paintColour(signal.pointColor) : QColor(Qt::black);
    const int penWidth = std::max(m_c.ppiX / 300, 1);
    const int w = std::max(m_c.ppiX / 50, 3);
    const int h = std::max(m_c.ppiY / 50, 3);
    m_c.painter.setPen(solidPen(colour, penWidth));
    // Circles are filled with the page's colour; diamonds and triangles stay open.
    m_c.painter.setBrush(style == kPointCircle ? QBrush(m_c.background) : QBrush(Qt::NoBrush));
    // A dot takes the Signal's colour even in black and white.
    const QColor dotColour = paintColour(signal.pointColor);

    bool first = true;
    QPoint previous;
    for (const QPoint& at : m_points) {
        // The same marker at the same place again changes no pixel.
        if (!first && at == previous)
            continue;
        first = false;
        previous = at;
        const QRect box(at.x() - w - penWidth, at.y() - h - penWidth, 2 * (w + penWidth) + 2, 2 * (h + penWidth) + 2);
        if (outsideClip(box))
            continue;
        paintMarker(style, at, w, h, penWidth, style == kPointDot ? dotColour : colour);
    }
    m_c.painter.setBrush(Qt::NoBrush);
}

void SignalPainter::paintMarker(int style, QPoint at, int w, int h, int penWidth, const QColor& colour)
{
    QPainter& p = m_c.painter;
    const int x = at.x();
    const int y = at.y();
    switch (style) {
    case kPointDot:
        p.fillRect(QRect(x, y, 1, 1), colour);
        break;
    case kPointCircle:
        p.drawEllipse(QRect(x - w, y - h, 2 * w - 1, 2 * h - 1));
        break;
    case kPointSquare: {
        // Filled and outlined inside its box, so that it measures 2w x 2h whatever the pen's width.
        const QRect box(x - w, y - h, 2 * w, 2 * h);
        p.fillRect(box, m_c.background);
        const int t = std::min({penWidth, w, h});
        p.fillRect(QRect(box.left(), box.top(), box.width(), t), colour);
        p.fillRect(QRect(box.left(), box.bottom() - t + 1, box.width(), t), colour);
        p.fillRect(QRect(box.left(), box.top(), t, box.height()), colour);
        p.fillRect(QRect(box.right() - t + 1, box.top(), t, box.height()), colour);
        break;
    }
    case kPointCross:
        p.drawLine(x - w, y, x + w + 1, y);
        p.drawLine(x, y - h, x, y + h + 1);
        break;
    case kPointX:
        p.drawLine(x - w, y - h, x + w + 1, y + h + 1);
        p.drawLine(x - w, y + h, x + w + 1, y - h - 1);
        break;
    case kPointDiamond: {
        const QPoint corners[] = {{x, y - h}, {x - w, y}, {x, y + h}, {x + w, y}};
        p.drawPolygon(corners, 4);
        break;
    }
    case kPointTriangle: {
        const QPoint corners[] = {{x, y - h}, {x - w, y + h}, {x + w, y + h}};
        p.drawPolygon(corners, 3);
        break;
    }
    default:
        break;
    }
}

void SignalPainter::paintTags(const Signal& signal)
{
    const SampleSeries& s = signal.series;
    const QColor colour = m_c.inColor ? paintColour(signal.pointColor) : QColor(Qt::black);
    const int penWidth = std::max(m_c.ppiX / 300, 1);
    const int w = std::max(m_c.ppiX / 50, 3);
    const int h = std::max(m_c.ppiY / 50, 3);
    QPainter& p = m_c.painter;
    p.setPen(solidPen(colour, penWidth));
    const QFontMetrics metrics = p.fontMetrics();
    for (int i = 0; i < s.count(); ++i) {
        if (s.tag(i) == 0)
            continue;
        const QPoint at = m_points[std::size_t(i)];
        const int x = at.x();
        const int y = at.y();
        const QString label = QString::fromLatin1(cformat::fixed(m_view.axisAltitude(s.altitude(i)), 2));
        const int textWidth = metrics.horizontalAdvance(label);
        const int textTop = y - 3 * h - metrics.height();
        const QRect box = QRect(QPoint(x - 3 * w - penWidth, y - 3 * h - penWidth),
                                QPoint(x + 3 * w + penWidth, y + 3 * h + penWidth))
                              .united(QRect(x - textWidth / 2, textTop, textWidth, metrics.height()));
        if (outsideClip(box))
            continue;
        // A cross-hair with an open centre.
        p.drawLine(x - 3 * w, y, x - w, y);
        p.drawLine(x + w, y, x + 3 * w, y);
        p.drawLine(x, y - 3 * h, x, y - h);
        p.drawLine(x, y + h, x, y + 3 * h);
        drawTextCell(p, x - textWidth / 2, textTop, label, m_c.textColour, m_c.background);
    }
}

void SignalPainter::paintRateMarks(const Signal& signal, const std::array<RateMark, kRateMarkSlots>& marks)
{
    const SampleSeries& s = signal.series;
    const int penWidth = std::max(m_c.ppiX / 300, 1);
    const int h = std::max(m_c.ppiY / 50, 3);
    QPainter& p = m_c.painter;
    p.setPen(solidPen(m_c.inColor ? paintColour(m_c.plot.infoColor) : QColor(Qt::black), penWidth));
    const QFontMetrics metrics = p.fontMetrics();
    for (const RateMark& mark : marks) {
        if (!mark.inUse)
            continue;
        const int i1 = mark.first;
        const int i2 = mark.second;
        // A mark read from a file may name samples the series does not hold: it has nothing to show.
        if (i1 < 0 || i1 >= s.count() || i2 < 0 || i2 >= s.count())
            continue;
        const double t1 = s.time(i1);
        const double t2 = s.time(i2);
        const double x1 = m_view.axisTime(t1);
        const double x2 = m_view.axisTime(t2);
        if (!(x1 >= m_c.plot.xMin && x1 <= m_c.plot.xMax && x2 >= m_c.plot.xMin && x2 <= m_c.plot.xMax))
            continue;
        const QPoint a = m_points[std::size_t(i1)];
        const QPoint b = m_points[std::size_t(i2)];
        const QPoint bracket[] = {a, {a.x(), a.y() - 10 * h}, {b.x(), b.y() - 10 * h}, {b.x(), b.y() + h}};
        p.drawPolyline(bracket, 4);
        // Two samples of the same time have no rate: the bracket stands alone.
        if (t2 == t1)
            continue;
        const double rate = (s.altitude(i2) - s.altitude(i1)) * m_view.toAxis / (t2 - t1);
        const QString label = QString::fromLatin1(cformat::fixed(rate, 2));
        const int textWidth = metrics.horizontalAdvance(label);
        const int textHeight = metrics.height();
        const double middleX = (double(a.x()) + double(b.x())) / 2;
        const double middleY = (double(a.y()) + double(b.y())) / 2;
        const int top = int(std::trunc(middleY - 6.0 * h - 2.0 * textHeight));
        const double angle = rateLabelAngle(a.x(), a.y(), b.x(), b.y());
        const int left = int(std::trunc(angle > 0 ? middleX - 2.0 * textWidth : middleX + textWidth));
        drawTextCell(p, left, top, label, m_c.textColour, m_c.background);
    }
}

} // namespace vimo
