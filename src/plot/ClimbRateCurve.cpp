#include "plot/ClimbRateCurve.h"

#include "data/AltitudeAxis.h"
#include "data/CFormat.h"
#include "data/Plot.h"
#include "data/SetView.h"
#include "plot/ClimbRate.h"
#include "plot/ColumnReduction.h"
#include "plot/PlotText.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace vimo {

std::vector<double> ClimbAxis::ticks() const
{
    std::vector<double> values;
    constexpr int kMostTicks = 40; // far more than any axis from climbAxisFor holds
    for (int i = 0; i < kMostTicks; ++i) {
        double v = min + i * step;
        if (v > max + step / 2)
            break;
        if (std::abs(v) < step * 1e-9)
            v = 0; // never "-0.0" from an accumulated rounding error
        values.push_back(v);
    }
    return values;
}

ClimbAxis climbAxisFor(double lowest, double highest)
{
    ClimbAxis axis;
    const double low = std::min(lowest, 0.0);
    const double high = std::max(highest, 0.0);
    const double span = high - low;
    if (!std::isfinite(low) || !std::isfinite(high) || !std::isfinite(span))
        return axis;
    const double rough = (span > 0 ? span : 1.0) / 4;
    const double magnitude = std::pow(10.0, std::floor(std::log10(rough)));
    const double f = rough / magnitude;
    const double step = (f <= 1 ? 1 : f <= 2 ? 2 : f <= 5 ? 5 : 10) * magnitude;
    if (!(step > 0) || !std::isfinite(step))
        return axis;
    axis.step = step;
    axis.min = std::floor(low / step) * step + 0.0;
    axis.max = std::ceil(high / step) * step + 0.0;
    if (!(axis.max > axis.min))
        axis.max = axis.min + step;
    axis.decimals = std::max(0, int(-std::floor(std::log10(step))));
    return axis;
}

ClimbRateCurve::ClimbRateCurve(const Plot& plot, const PlotLayout& layout, int dataSet) : m_layout(layout)
{
    const QString unit = unitSymbol(axisUnit(plot));
    m_label = QStringLiteral("Climb Rate (%1/s)").arg(unit.isEmpty() ? QStringLiteral("units") : unit);
    if (plot.signals.isValidIndex(dataSet))
        computePoints(plot, dataSet);
}

void ClimbRateCurve::computePoints(const Plot& plot, int dataSet)
{
    const DataSet& set = plot.signals.at(dataSet);
    const Signal& signal = set.altitude;
    const SampleSeries& series = signal.series;
    const SetView view = setView(plot, set);
    // The samples in view, and one either side so that the curve enters and leaves the data area.
    int first = 0;
    int last = -1;
    const double from = view.ownTime(signal, plot.xMin);
    const double to = view.ownTime(signal, plot.xMax);
    if (!samplesAround(series, std::min(from, to), std::max(from, to), first, last) || last <= first)
        return;
    std::vector<double> times;
    std::vector<double> rates;
    double lowest = 0;
    double highest = 0;
    for (int i = first; i <= last; ++i) {
        const auto rate = smoothedClimbRate(series, i);
        if (!rate)
            continue;
        const double r = view.drawnRate(signal, *rate);
        const double t = view.drawnTime(signal, series.time(i));
        if (!std::isfinite(r))
            continue;
        times.push_back(t);
        rates.push_back(r);
        if (t >= plot.xMin && t <= plot.xMax) {
            lowest = std::min(lowest, r);
            highest = std::max(highest, r);
        }
    }
    m_axis = climbAxisFor(lowest, highest);
    const PixelMapper map(plot, m_layout);
    std::vector<QPoint> all(times.size());
    for (std::size_t i = 0; i < times.size(); ++i)
        all[i] = QPoint(m_layout.plotLeft + map.timeToPixel(times[i]), pixelOf(rates[i]));
    reduceColumns(all, m_points);
}

int ClimbRateCurve::pixelOf(double rate) const
{
    const int h = m_layout.plotHeight();
    if (!(rate >= m_axis.min))
        return m_layout.plotTop + h;
    if (rate > m_axis.max)
        return m_layout.plotTop;
    const double offset = (rate - m_axis.min) * h / (m_axis.max - m_axis.min);
    if (!(offset < h))
        return m_layout.plotTop;
    return m_layout.plotTop + std::max(h - int(offset) - 1, 0);
}

void ClimbRateCurve::paintAxis(QPainter& painter, int ppiX, const QColor& ink, const QColor& textColour,
                               const QColor& paper, const QFont& labelFont) const
{
    const QFontMetrics metrics = painter.fontMetrics();
    int widest = 0;
    for (const double v : m_axis.ticks()) {
        const int y = pixelOf(v);
        painter.setPen(QPen(ink, 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        painter.drawLine(m_layout.plotRight + 1, y, m_layout.plotRight + ppiX / 17, y);
        const QString text = QString::fromLatin1(cformat::fixed(v, m_axis.decimals));
        drawTextCell(painter, m_layout.plotRight + ppiX / 15, y - metrics.height() / 2, text, textColour, paper);
        widest = std::max(widest, metrics.horizontalAdvance(text));
    }
    // The label runs upwards beside the tick labels, centred on the data area's height, inside the page.
    const QFont tickFont = painter.font();
    painter.setFont(labelFont);
    const QFontMetrics labelMetrics = painter.fontMetrics();
    const int x = std::min(m_layout.plotRight + 2 * (ppiX / 15) + widest, m_layout.pageRight - labelMetrics.height());
    const int y = m_layout.plotTop + m_layout.plotHeight() / 2 + labelMetrics.horizontalAdvance(m_label) / 2;
    drawUpwardTextCell(painter, x, y, m_label, textColour, paper);
    painter.setFont(tickFont);
}

void ClimbRateCurve::paintCurve(QPainter& painter, const QColor& colour) const
{
    const int zero = pixelOf(0);
    painter.setPen(QPen(colour, 1, Qt::DashLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawLine(m_layout.plotLeft, zero, m_layout.plotRight, zero);
    if (m_points.size() < 2)
        return;
    painter.setPen(QPen(colour, 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawPolyline(m_points.data(), int(m_points.size()));
}

} // namespace vimo
