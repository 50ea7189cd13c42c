#include "plot/SeasonChart.h"

#include "data/CFormat.h"
#include "plot/Ticks.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace vimo {
namespace {

constexpr int kFontPixels = 11;
constexpr double kDotRadius = 3.5;

// Days on the horizontal axis: a tick every `step` days, or on the first of every `months`-th month.
struct DayTicks {
    std::vector<QDate> days;
    QString format;
};

DayTicks dayTicks(const QDate& first, const QDate& last)
{
    const qint64 span = first.daysTo(last);
    DayTicks ticks;
    if (span > 45) {
        const int months = (last.year() - first.year()) * 12 + last.month() - first.month();
        const int step = std::max(1, (months + 7) / 8);
        for (QDate d(first.year(), first.month(), 1); d <= last; d = d.addMonths(step)) {
            if (d >= first)
                ticks.days.push_back(d);
        }
        ticks.format = QStringLiteral("yyyy-MM");
    } else {
        const qint64 step = std::max<qint64>(1, (span + 7) / 8);
        for (QDate d = first; d <= last; d = d.addDays(step))
            ticks.days.push_back(d);
        ticks.format = QStringLiteral("MM-dd");
    }
    return ticks;
}

// Maps days and values to pixels of the plot area.
struct Scale {
    QRectF area;
    qint64 firstDay;
    qint64 lastDay;
    double top;

    double x(const QDate& day) const
    {
        return area.left() + area.width() * double(day.toJulianDay() - firstDay) / double(lastDay - firstDay);
    }
    double y(double value) const { return area.bottom() - area.height() * std::clamp(value / top, 0.0, 1.0); }
};

void drawLegend(QPainter& p, const QRect& rect, const QStringList& series)
{
    const QFontMetrics metrics = p.fontMetrics();
    int x = rect.left() + 50;
    const int y = rect.top() + 4 + metrics.ascent();
    for (int k = 0; k < series.size(); ++k) {
        p.setPen(Qt::NoPen);
        p.setBrush(seasonColour(k));
        p.drawEllipse(QPointF(x + 4, y - metrics.ascent() / 2.0 + 1), kDotRadius, kDotRadius);
        p.setPen(Qt::black);
        p.drawText(x + 12, y, series[k]);
        x += 12 + metrics.horizontalAdvance(series[k]) + 16;
    }
}

void drawValueAxis(QPainter& p, const Scale& s, const Ticks& ticks, const QString& label)
{
    const QFontMetrics metrics = p.fontMetrics();
    for (int i = 0; i < ticks.count(); ++i) {
        const double value = ticks.value(i);
        const double y = s.y(value);
        p.setPen(QColor(0xe0, 0xe0, 0xe0));
        p.drawLine(QPointF(s.area.left(), y), QPointF(s.area.right(), y));
        p.setPen(Qt::black);
        const QString text = QString::fromLatin1(cformat::fixed(value, ticks.decimals));
        p.drawText(QPointF(s.area.left() - 4 - metrics.horizontalAdvance(text), y + metrics.ascent() / 2.0 - 1), text);
    }
    p.save();
    p.translate(s.area.left() - 36, s.area.center().y());
    p.rotate(-90);
    p.drawText(QPointF(-metrics.horizontalAdvance(label) / 2.0, 0), label);
    p.restore();
}

void drawDayAxis(QPainter& p, const Scale& s, const DayTicks& ticks)
{
    const QFontMetrics metrics = p.fontMetrics();
    p.setPen(Qt::black);
    for (const QDate& day : ticks.days) {
        const double x = s.x(day);
        p.drawLine(QPointF(x, s.area.bottom()), QPointF(x, s.area.bottom() + 3));
        const QString text = day.toString(ticks.format);
        p.drawText(QPointF(x - metrics.horizontalAdvance(text) / 2.0, s.area.bottom() + 4 + metrics.ascent()), text);
    }
    p.drawRect(s.area);
}

} // namespace

QColor seasonColour(int series)
{
    static constexpr QRgb kColours[] = {0x1f77b4, 0xd62728, 0x2ca02c, 0xff7f0e, 0x9467bd,
                                        0x8c564b, 0xe377c2, 0x17becf, 0x7f7f7f, 0xbcbd22};
    constexpr int count = int(std::size(kColours));
    return QColor(kColours[((series % count) + count) % count]);
}

SeasonChartLayout drawSeasonChart(QPainter& p, const QRect& rect, const SeasonChart& chart)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kFontPixels);
    p.setFont(font);
    p.fillRect(rect, Qt::white);
    SeasonChartLayout layout;
    layout.plotArea =
        QRectF(rect.left() + 50, rect.top() + 22, std::max(rect.width() - 62, 10), std::max(rect.height() - 44, 10));
    if (chart.points.empty()) {
        p.setPen(Qt::black);
        p.drawText(rect, Qt::AlignCenter, QStringLiteral("No flights"));
        p.restore();
        return layout;
    }
    const auto [lowDay, highDay] =
        std::minmax_element(chart.points.begin(), chart.points.end(),
                            [](const SeasonPoint& a, const SeasonPoint& b) { return a.day < b.day; });
    const QDate first = lowDay->day.addDays(-1);
    const QDate last = highDay->day.addDays(1);
    double highest = 0;
    for (const SeasonPoint& point : chart.points)
        highest = std::max(highest, std::isfinite(point.value) ? point.value : 0.0);
    const Ticks ticks = chooseTicks(0, highest > 0 ? highest * 1.05 : 1);
    const Scale scale{layout.plotArea, first.toJulianDay(), last.toJulianDay(), std::max(ticks.last, highest)};

    drawValueAxis(p, scale, ticks, chart.valueLabel);
    drawDayAxis(p, scale, dayTicks(first.addDays(1), last.addDays(-1)));
    drawLegend(p, rect, chart.series);
    for (const SeasonPoint& point : chart.points) {
        if (!std::isfinite(point.value))
            continue; // a value that is no number has no place on the chart
        const QPointF centre(scale.x(point.day), scale.y(point.value));
        p.setPen(QPen(Qt::white, 0.8));
        p.setBrush(seasonColour(point.series));
        p.drawEllipse(centre, kDotRadius, kDotRadius);
        layout.dots.emplace_back(centre, point.id);
    }
    p.restore();
    return layout;
}

void drawSeasonSelection(QPainter& p, const SeasonChartLayout& layout, std::vector<int> selected)
{
    std::sort(selected.begin(), selected.end());
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 1.5));
    for (const auto& [centre, id] : layout.dots) {
        if (std::binary_search(selected.begin(), selected.end(), id))
            p.drawEllipse(centre, kDotRadius + 2.5, kDotRadius + 2.5);
    }
    p.restore();
}

std::optional<int> seasonPointAt(const SeasonChartLayout& layout, const QPointF& position, double radius)
{
    std::optional<int> best;
    double bestDistance = radius * radius;
    for (const auto& [centre, id] : layout.dots) {
        const QPointF d = centre - position;
        const double distance = d.x() * d.x() + d.y() * d.y();
        if (distance <= bestDistance) {
            bestDistance = distance;
            best = id;
        }
    }
    return best;
}

} // namespace vimo
