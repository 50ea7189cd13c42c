#include "plot/RangeStats.h"

#include "data/CFormat.h"
#include "data/Plot.h"
#include "data/SetView.h"

#include <algorithm>

namespace vimo {

std::optional<RangeStats> visibleRangeStats(const SampleSeries& series, double tMin, double tMax, double toAxis)
{
    // The times are non-decreasing, so the visible samples are one run found by two binary searches.
    const std::vector<double>& times = series.times();
    const auto begin = std::lower_bound(times.begin(), times.end(), tMin);
    const auto end = std::upper_bound(begin, times.end(), tMax);
    if (begin >= end)
        return std::nullopt;
    const int first = int(begin - times.begin());
    const int last = int(end - times.begin()) - 1;

    const auto altFirst = series.altitudes().begin() + first;
    const auto [low, high] = std::minmax_element(altFirst, series.altitudes().begin() + last + 1);

    RangeStats stats;
    stats.samples = last - first + 1;
    stats.lowest = *low * toAxis; // a positive factor keeps the lowest the lowest
    stats.highest = *high * toAxis;
    stats.firstTime = series.time(first);
    stats.lastTime = series.time(last);
    if (stats.timeSpan() > 0)
        stats.averageClimb = (series.altitude(last) - series.altitude(first)) * toAxis / stats.timeSpan();
    return stats;
}

std::optional<RangeStats> visibleRangeStats(const Plot& plot, int k)
{
    if (!plot.signals.isValidIndex(k))
        return std::nullopt;
    const DataSet& set = plot.signals.at(k);
    const SetView view = setView(plot, set);
    auto stats = visibleRangeStats(set.altitude.series, view.setTime(plot.xMin), view.setTime(plot.xMax), view.toAxis);
    if (stats) {
        stats->firstTime = view.axisTime(stats->firstTime);
        stats->lastTime = view.axisTime(stats->lastTime);
    }
    return stats;
}

QString rangeStatsText(const std::optional<RangeStats>& stats)
{
    if (!stats)
        return QStringLiteral("No samples in view");
    const auto number = [](double v, int decimals) { return QString::fromLatin1(cformat::fixed(v, decimals)); };
    QString text = QLatin1String("Low ") + number(stats->lowest, 1) + QLatin1String("  High ")
                   + number(stats->highest, 1) + QLatin1String("  Span ") + number(stats->timeSpan(), 1)
                   + QLatin1String(" s  Avg Climb ");
    text += stats->averageClimb ? number(*stats->averageClimb, 3) : QStringLiteral("-");
    return text + QLatin1String(" units/sec");
}

} // namespace vimo
