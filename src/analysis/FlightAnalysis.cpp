#include "analysis/FlightAnalysis.h"

#include "analysis/ClimbFinder.h"
#include "analysis/FlightFinder.h"
#include "analysis/PreparedSamples.h"
#include "data/Signal.h"

#include <algorithm>
#include <cmath>

namespace vimo {
namespace {

using analysis::firstAtOrAfter;
using analysis::FlightSpan;
using analysis::lastAtOrBefore;
using analysis::PreparedSamples;

// The highest of samples first..last, the first of equal ones.
int highestIndex(const PreparedSamples& s, int first, int last)
{
    return int(std::max_element(s.a.begin() + first, s.a.begin() + last + 1) - s.a.begin());
}

Flight measure(const PreparedSamples& s, const FlightSpan& span, int number, const AnalysisOptions& options,
               double metresPerUnit)
{
    // Adding 0 turns a -0 read from the caller's samples into 0.
    const auto unit = [metresPerUnit](double metres) { return metres / metresPerUnit + 0.0; };
    Flight f;
    f.launch = s.t[std::size_t(span.launch)];
    f.launchBeforeRecording = span.launchBeforeRecording;
    f.groundAltitude = unit(span.ground);
    const double lastTime = s.t[std::size_t(span.last)];
    if (span.landing >= 0)
        f.landing = s.t[std::size_t(span.landing)];
    f.duration = lastTime - f.launch;

    const int top = highestIndex(s, span.launch, span.last);
    f.maxAltitude = unit(s.a[std::size_t(top)] - span.ground);
    f.maxAltitudeTime = s.t[std::size_t(top)];
    if (f.maxAltitude < 0) {
        // A flight leaves from ground level, so it is never highest below it: a glide from a slope may stay under
        // its take-off all the way, and its launch sample may lie a little under the median of the rest.
        f.maxAltitude = 0;
        f.maxAltitudeTime = f.launch;
    }

    int climbsFrom = span.launch;
    if (!span.launchBeforeRecording && !span.launchedDownhill) {
        const auto set = options.launchEnds.find(number);
        double end = span.launchEndTime;
        if (set != options.launchEnds.end() && std::isfinite(set->second)) {
            end = set->second;
            f.launchEndEstimated = false;
        }
        end = std::clamp(end, f.launch, lastTime);
        const double window = std::isfinite(options.window) ? std::max(options.window, 0.0) : 10.0;
        const double windowEnd = std::min(end + window, lastTime);
        f.launchEnd = end;
        f.windowEnd = windowEnd;
        const int windowLast = std::max(lastAtOrBefore(s, windowEnd), span.launch);
        const int highest = highestIndex(s, span.launch, windowLast);
        const double metres = s.a[std::size_t(highest)] - span.ground + 0.0; // never -0, as in unit()
        f.startHeight = unit(metres);
        f.startHeightMeters = metres;
        f.startHeightTime = s.t[std::size_t(highest)];
        f.f5jPenalty = f5jPenalty(metres);
        climbsFrom = std::max(firstAtOrAfter(s, windowEnd), span.launch);
    }
    for (const analysis::ClimbSpan& c : analysis::findClimbs(s, climbsFrom, span.last)) {
        const double seconds = c.end - c.start;
        f.climbs.push_back({c.start, c.end, unit(c.gain), seconds > 0 ? unit(c.gain) / seconds : 0.0});
    }
    return f;
}

// Fills the report's flights and notes; the unit is already set.
void analysePrepared(const PreparedSamples& s, FlightReport& report, const AnalysisOptions& options)
{
    if (report.unit.assumed)
        report.notes << QStringLiteral("The altitude label names no unit: meters assumed.");
    const int n = s.count();
    if (n == 0) {
        report.notes << QStringLiteral("The data set has no samples.");
        return;
    }
    if (n == 1) {
        report.notes << QStringLiteral("The data set has only one sample.");
        return;
    }
    if (s.backwardSteps > 0)
        report.notes << QStringLiteral("The time goes backwards %1 times: the samples were analysed in recording "
                                       "order.")
                            .arg(s.backwardSteps);
    if (!(s.t.back() > s.t.front())) {
        // A recording whose time only runs backwards has been named as such above; it does not share one time.
        if (s.backwardSteps == 0)
            report.notes << QStringLiteral("All samples share one time.");
        return;
    }
    const double metresPerUnit = metresPer(report.unit.unit);
    const std::vector<FlightSpan> spans = analysis::findFlights(s);
    for (std::size_t k = 0; k < spans.size(); ++k) {
        report.flights.push_back(measure(s, spans[k], int(k), options, metresPerUnit));
        const int number = int(k) + 1;
        if (spans[k].launchBeforeRecording)
            report.notes << QStringLiteral("Flight %1: the launch was before the recording began.").arg(number);
        if (spans[k].launchedDownhill)
            report.notes << QStringLiteral("Flight %1: launched downhill from rest: no start height.").arg(number);
        if (spans[k].landing < 0)
            report.notes << QStringLiteral("Flight %1: the recording ends in the air.").arg(number);
    }
}

} // namespace

double f5jPenalty(double startHeightMeters)
{
    const double h = std::max(std::round(startHeightMeters), 0.0);
    return 0.5 * std::min(h, 200.0) + 3.0 * std::max(h - 200.0, 0.0);
}

FlightReport analyseFlights(const Signal& altitude, AltitudeUnit unit, const AnalysisOptions& options)
{
    const SampleSeries& series = altitude.series;
    FlightReport report;
    report.unit = unitForAnalysis(unit);
    const analysis::SampleTransform transform{altitude.timeScale, altitude.timeOffset, altitude.altitudeScale,
                                              altitude.altitudeOffset, metresPer(report.unit.unit)};
    analysePrepared(analysis::prepareSamples(series.times(), series.altitudes(), transform), report, options);
    return report;
}

FlightReport analyseFlights(const double* times, const double* altitudes, std::size_t n, AltitudeUnit unit,
                            const AnalysisOptions& options)
{
    FlightReport report;
    report.unit = unitForAnalysis(unit);
    analysis::SampleTransform transform;
    transform.metresPerUnit = metresPer(report.unit.unit);
    analysePrepared(analysis::prepareSamples({times, n}, {altitudes, n}, transform), report, options);
    return report;
}

FlightReport analyseFlights(const Signal& altitude, const QString& altitudeLabel, const AnalysisOptions& options)
{
    return analyseFlights(altitude, unitNamedBy(altitudeLabel), options);
}

FlightReport analyseFlights(const double* times, const double* altitudes, std::size_t n, const QString& altitudeLabel,
                            const AnalysisOptions& options)
{
    return analyseFlights(times, altitudes, n, unitNamedBy(altitudeLabel), options);
}

} // namespace vimo
