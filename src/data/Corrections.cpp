#include "data/Corrections.h"

#include "data/AutoScale.h"
#include "data/CFormat.h"
#include "data/Plot.h"
#include "data/SafeSave.h"
#include "data/TextRules.h"

#include <algorithm>
#include <cmath>

namespace vimo {
namespace {

// Shifts below this magnitude are typing noise and are not applied.
constexpr double kShiftThreshold = 0.00001;
// A trigger sample belongs to an altitude sample whose time lies this close to its own.
constexpr double kTriggerTimeTolerance = 0.001;
// The search for the lowest point starts from this value; only lower altitudes count as found.
constexpr double kLowestStart = 99999.0;
// The highest altitude of an empty series, as the "max=" rewrite reports it.
constexpr double kEmptyMaximum = -99999.0;

QString transformText(double value)
{
    return QString::fromLatin1(cformat::fixed(value, 6));
}

// "%lf" of a typed text; false when it does not parse.
bool parseTyped(const QString& typed, double& value)
{
    const QByteArray bytes = typed.toUtf8();
    return cformat::parseDouble(std::string_view(bytes.constData(), std::size_t(bytes.size())), value);
}

void shift(std::vector<double>& values, double amount)
{
    for (double& v : values)
        v += amount;
}

// Index of the lowest altitude in [from, to): only a value strictly below the lowest so far (starting at 99999)
// replaces it, so the earliest wins a tie. -1 when no altitude lies below 99999.
int lowestIndex(const std::vector<double>& altitudes, int from, int to)
{
    double lowest = kLowestStart;
    int index = -1;
    for (int i = from; i < to; ++i) {
        if (altitudes[std::size_t(i)] < lowest) {
            lowest = altitudes[std::size_t(i)];
            index = i;
        }
    }
    return index;
}

double highestAltitude(const SampleSeries& series)
{
    const auto& altitudes = series.altitudes();
    return altitudes.empty() ? kEmptyMaximum : *std::max_element(altitudes.begin(), altitudes.end());
}

bool sameTime(double a, double b)
{
    return std::fabs(a - b) <= kTriggerTimeTolerance;
}

} // namespace

DataSetProperties dataSetProperties(const DataSetList& list, int k)
{
    DataSetProperties p;
    if (!list.isValidIndex(k))
        return p;
    const DataSet& set = list.at(k);
    p.name = set.name();
    p.lineColor = set.altitude.lineColor;
    p.pointColor = set.altitude.pointColor;
    p.triggerColor = set.trigger.pointColor;
    p.lineStyle = set.altitude.lineStyle;
    p.pointStyle = set.altitude.pointStyle;
    p.triggerStyle = set.trigger.pointStyle;
    p.timeOffset = transformText(set.altitude.timeOffset);
    p.altitudeOffset = transformText(set.altitude.altitudeOffset);
    p.timeScale = transformText(set.altitude.timeScale);
    p.altitudeScale = transformText(set.altitude.altitudeScale);
    p.notes = set.notes;
    p.hasTriggerData = set.trigger.visible;
    return p;
}

bool applyDataSetProperties(DataSetList& list, int k, const DataSetProperties& p)
{
    if (!list.isValidIndex(k))
        return false;
    DataSet& set = list.at(k);
    set.altitude.lineColor = p.lineColor;
    set.altitude.pointColor = p.pointColor;
    set.trigger.pointColor = p.triggerColor;
    set.altitude.lineStyle = p.lineStyle;
    set.altitude.pointStyle = p.pointStyle;
    set.trigger.pointStyle = p.triggerStyle;

    double dt = 0; // an offset text that does not parse counts as 0
    double da = 0;
    parseTyped(p.timeOffset, dt);
    parseTyped(p.altitudeOffset, da);
    parseTyped(p.timeScale, set.altitude.timeScale); // left as it was when the text does not parse
    parseTyped(p.altitudeScale, set.altitude.altitudeScale);

    if (std::fabs(dt) > kShiftThreshold) {
        shift(set.altitude.series.times(), dt);
        shift(set.trigger.series.times(), dt);
    }
    if (std::fabs(da) > kShiftThreshold) {
        shift(set.altitude.series.altitudes(), da);
        shift(set.trigger.series.altitudes(), da);
    }

    for (std::size_t i = 0; i < set.notes.size(); ++i)
        set.notes[i] = text::field(p.notes[i], text::kLineChars);
    list.rename(k, p.name); // also tells the views that the data set changed
    return true;
}

DriftResult fixDrift(Plot& plot, int k)
{
    if (!plot.signals.isValidIndex(k))
        return DriftResult::NoDataSet;
    DataSet& set = plot.signals.at(k);
    std::vector<double>& altitude = set.altitude.series.altitudes();
    const int n = set.altitude.series.count();
    if (n / 10 == 0)
        return DriftResult::TooFewSamples;
    const int i1 = lowestIndex(altitude, 0, n / 10);
    const int i2 = lowestIndex(altitude, int(std::trunc(n * 0.9)), n);
    if (i1 < 0 || i2 < 0)
        return DriftResult::NoLowPoint;

    // The windows do not overlap for n >= 10, so i2 > i1.
    const double a1 = altitude[std::size_t(i1)];
    const double a2 = altitude[std::size_t(i2)];
    const double slope = (a2 - a1) / (i2 - i1);
    for (int i = i1; i <= i2; ++i)
        altitude[std::size_t(i)] -= (i - i1) * slope;
    std::fill(altitude.begin(), altitude.begin() + i1, altitude[std::size_t(i1)]);
    std::fill(altitude.begin() + i2 + 1, altitude.end(), altitude[std::size_t(i2)]);

    refreshTriggerAltitudes(set.altitude.series, set.trigger.series);
    autoScaleAltitude(plot);
    plot.info3 = rewriteMax(plot.info3, highestAltitude(set.altitude.series));
    plot.signals.notifyChanged(k);
    return DriftResult::Fixed;
}

QString driftMessage(DriftResult result)
{
    switch (result) {
    case DriftResult::Fixed:
        return {};
    case DriftResult::NoDataSet:
        return noDataSetMessage();
    case DriftResult::TooFewSamples:
        return QStringLiteral("Fix Drift needs a data set of at least 10 samples.");
    case DriftResult::NoLowPoint:
        return QStringLiteral(
            "Fix Drift found no altitude below 99999 near the start or near the end of the data set.");
    }
    return {};
}

bool fixOffset(Plot& plot, int k)
{
    if (!plot.signals.isValidIndex(k))
        return false;
    DataSet& set = plot.signals.at(k);
    std::vector<double>& altitude = set.altitude.series.altitudes();
    if (!altitude.empty()) {
        const double lowest = *std::min_element(altitude.begin(), altitude.end());
        shift(altitude, -lowest);
        shift(set.trigger.series.altitudes(), -lowest);
    }
    autoScaleAltitude(plot);
    set.notes[2] = rewriteMax(set.notes[2], highestAltitude(set.altitude.series));
    plot.signals.notifyChanged(k);
    return true;
}

void refreshTriggerAltitudes(const SampleSeries& samples, SampleSeries& triggers)
{
    const std::vector<double>& times = samples.times();
    // Samples in recording order (times non-decreasing): the samples within the tolerance of a trigger time are one
    // run of neighbours, and every sample before the run's end lies at or before the trigger time or within the
    // tolerance. A binary search finds the run's end, the last match of a scan over every sample.
    const bool inOrder = std::is_sorted(times.begin(), times.end());
    for (int t = 0; t < triggers.count(); ++t) {
        const double time = triggers.time(t);
        int match = -1;
        if (inOrder) {
            const auto end = std::partition_point(times.begin(), times.end(),
                                                  [time](double x) { return x <= time || sameTime(time, x); });
            if (end != times.begin() && sameTime(time, *(end - 1)))
                match = int(end - times.begin()) - 1;
        } else {
            // Samples out of order (a hand-made file): the scan over every sample, the last match wins.
            for (int l = 0; l < samples.count(); ++l) {
                if (sameTime(time, times[std::size_t(l)]))
                    match = l;
            }
        }
        if (match >= 0)
            triggers.setAltitude(t, samples.altitude(match));
    }
}

QString rewriteMax(const QString& text, double max)
{
    const qsizetype at = text.indexOf(QLatin1String("max="));
    if (at < 0)
        return text;
    return text::cut(text.left(at) + QLatin1String("max=") + QString::fromLatin1(cformat::general(max)),
                     text::kLineChars);
}

} // namespace vimo
