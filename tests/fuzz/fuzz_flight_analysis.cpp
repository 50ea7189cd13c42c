// Fuzzes the flight analysis: the samples of a loaded file or a download may be anything. Three bytes choose the unit,
// the display transform and the start-height window; each following pair of bytes is one sample, as a step in time
// and a step in altitude, where the highest codes stand for a time that goes back, a time or an altitude that is not
// a number, an infinite altitude, a gap of two minutes and a single bad reading. Short inputs so make long recordings
// with every kind of fault at any place. The flights found must follow one another in recording order, and each must
// take time and land after its launch.
#include "analysis/FlightAnalysis.h"
#include "data/Signal.h"

#include <QString>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <vector>

namespace {

void check(const vimo::FlightReport& report)
{
    double previousEnd = -std::numeric_limits<double>::infinity();
    for (const vimo::Flight& f : report.flights) {
        const double end = f.landing.value_or(f.launch + f.duration);
        if (f.launch < previousEnd || !(f.duration > 0) || f.maxAltitude < 0 || (f.landing && *f.landing <= f.launch))
            std::abort();
        for (const vimo::Climb& c : f.climbs) {
            if (c.start > c.end || c.gain < 0)
                std::abort();
        }
        previousEnd = end;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 3)
        return 0;
    static const QString labels[] = {QStringLiteral("Altitude (meters)"), QStringLiteral("Altitude (feet)"),
                                     QStringLiteral("Altitude (yards)"), QStringLiteral("Altitude")};
    const QString& label = labels[data[0] % 4];
    const std::uint8_t flags = data[1];
    vimo::AnalysisOptions options;
    options.window = (flags & 4) ? std::numeric_limits<double>::quiet_NaN() : double(data[2]);
    options.launchEnds[0] = double(data[2]) * 2.0;

    std::vector<double> times;
    std::vector<double> altitudes;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    double t = 0;
    double a = 100;
    for (std::size_t i = 3; i + 1 < size && times.size() < std::size_t(vimo::SampleSeries::kCapacity); i += 2) {
        const std::uint8_t dt = data[i];
        const std::uint8_t da = data[i + 1];
        if (dt == 255)
            t -= 1.0;
        else if (dt == 253)
            t += 120.0;
        else if (dt != 254)
            t += 0.01 * dt;
        const double sampleTime = dt == 254 ? nan : t;
        double sampleAltitude = a;
        if (da == 255)
            sampleAltitude = nan;
        else if (da == 254)
            sampleAltitude = std::numeric_limits<double>::infinity();
        else if (da == 253)
            sampleAltitude = a + 200.0;
        else
            sampleAltitude = a += 0.25 * (double(da) - 126.0);
        times.push_back(sampleTime);
        altitudes.push_back(sampleAltitude);
    }

    check(vimo::analyseFlights(times.data(), altitudes.data(), times.size(), label, options));

    vimo::Signal signal(false);
    for (std::size_t i = 0; i < times.size(); ++i)
        signal.series.append(times[i], altitudes[i]);
    if (flags & 1) {
        signal.altitudeScale = 1.5;
        signal.altitudeOffset = -20.0;
    }
    if (flags & 2) {
        signal.timeScale = 0.5;
        signal.timeOffset = 100.0;
    }
    check(vimo::analyseFlights(signal, label, options));
    return 0;
}
