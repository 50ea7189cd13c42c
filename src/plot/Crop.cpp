#include "plot/Crop.h"

#include "data/AutoScale.h"
#include "data/Plot.h"
#include "data/SetView.h"

#include <algorithm>

namespace vimo {
namespace {

// Drops the triggers outside tFirst..tLast and moves the others back by `shift`.
void cropTriggers(SampleSeries& triggers, double tFirst, double tLast, double shift)
{
    std::vector<double>& times = triggers.times();
    std::vector<double>& altitudes = triggers.altitudes();
    std::size_t kept = 0;
    for (std::size_t i = 0; i < times.size(); ++i) {
        if (times[i] < tFirst || times[i] > tLast)
            continue;
        times[kept] = times[i] - shift;
        altitudes[kept] = altitudes[i];
        ++kept;
    }
    triggers.resize(int(kept));
    triggers.shrinkToFit();
}

void cropRateMarks(DataSet& set, int first, int last)
{
    for (RateMark& mark : set.rateMarks) {
        if (!mark.inUse)
            continue;
        if (mark.first < first || mark.first > last || mark.second < first || mark.second > last) {
            mark.inUse = false;
        } else {
            mark.first -= first;
            mark.second -= first;
        }
    }
}

} // namespace

bool cropDataSet(DataSet& set, double tMin, double tMax)
{
    SampleSeries& s = set.altitude.series;
    const std::vector<double>& times = s.times();
    // first: the lowest index whose time is not below tMin; last: the highest from first on not above tMax.
    const auto firstIt = std::find_if(times.begin(), times.end(), [tMin](double t) { return !(t < tMin); });
    if (firstIt == times.end())
        return false;
    const int first = int(firstIt - times.begin());
    int last = -1;
    for (int j = s.count() - 1; j >= first; --j) {
        if (!(s.time(j) > tMax)) {
            last = j;
            break;
        }
    }
    if (last < 0)
        return false;

    const double shift = s.time(first) - s.time(0);
    cropTriggers(set.trigger.series, s.time(first), s.time(last), shift);
    // The launch the view aligns on moves back with the samples (as the analysis reports it: through the Signal's
    // time scale).
    if (set.firstLaunch)
        *set.firstLaunch -= shift * set.altitude.timeScale;
    for (int j = first; j <= last; ++j) {
        s.setAltitude(j - first, s.altitude(j));
        s.setTag(j - first, s.tag(j));
    }
    s.resize(last - first + 1);
    s.shrinkToFit();
    cropRateMarks(set, first, last);
    return true;
}

void cropToView(Plot& plot)
{
    for (int k = 0; k < plot.signals.size(); ++k) {
        DataSet& set = plot.signals.at(k);
        // The visible range in the data set's own times: the view may shift it.
        const SetView view = setView(plot, set);
        if (cropDataSet(set, view.setTime(plot.xMin), view.setTime(plot.xMax)))
            plot.signals.notifyChanged(k);
    }
    autoScaleTime(plot);
    autoScaleAltitude(plot);
}

} // namespace vimo
