#pragma once

#include "data/Signal.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>

namespace vimo::test {

// Replaces the altitude samples of a data set by a long, noisy flight of n samples, one every half second: a
// launch, thermals, a glide down, with sensor noise. Each seed gives a flight of its own height and rhythm;
// the same seed always the same flight. Shared by the renderer's tests and its benchmark.
inline void fillFlight(DataSet& set, int n, std::uint32_t seed)
{
    std::mt19937 random(seed);
    std::normal_distribution<double> noise(0.0, 1.5);
    std::uniform_real_distribution<double> pick(0.0, 1.0);
    const double ceiling = 150.0 + 150.0 * pick(random); // launch height
    const double period = 300.0 + 900.0 * pick(random);  // thermal cycle in samples
    const double lift = 20.0 + 60.0 * pick(random);
    SampleSeries& s = set.altitude.series;
    s.clear();
    const int launch = n / 40;
    const int glide = n * 3 / 4;
    for (int i = 0; i < n; ++i) {
        double altitude;
        if (i < launch)
            altitude = ceiling * i / launch;
        else if (i < glide)
            altitude = ceiling + lift * std::sin((i - launch) / period) + 0.2 * lift * std::sin(i / 41.0);
        else
            altitude = std::max(0.0, (ceiling + lift * std::sin((glide - launch) / period)) * (n - i) / (n - glide));
        s.append(i * 0.5, altitude + noise(random));
    }
}

} // namespace vimo::test

#include <optional>
#include <vector>

namespace vimo::test {

// What a synthetic recording really holds, in metres and seconds: the numbers the flight analysis must find.
struct TruthClimb {
    double start = 0;
    double end = 0;
    double gain = 0;
};

struct TruthFlight {
    double launch = 0;
    double launchEnd = 0;
    double ground = 0;
    double startHeight = 0; // highest point up to 10 s after the launch end, above ground
    double maxAltitude = 0; // above ground
    // From a slope, with no climb: no launch end nor start height.
    bool launchedDownhill = false;
    std::optional<double> landing;
    std::vector<TruthClimb> climbs;
};

struct SyntheticRecording {
    std::vector<double> times;
    std::vector<double> altitudes; // in the unit of metresPerUnit
    double metresPerUnit = 1;
    std::vector<TruthFlight> flights;
};

// Builds an altitude path piece by piece (ground time, motor climbs, hand launches, glides, thermals, landings),
// keeps the truth of every flight on it, and samples it every `interval` seconds with uniform noise of +-noise m.
class FlightPathBuilder {
public:
    explicit FlightPathBuilder(double groundAltitude = 0) : m_altitude(groundAltitude) {}

    // Waits on the ground (or anywhere) at the current altitude.
    FlightPathBuilder& stay(double seconds) { return line(seconds, m_altitude); }

    // A motor climb at `rate` m/s for `seconds`, then a short zoom at a quarter of the rate.
    FlightPathBuilder& motorLaunch(double rate, double seconds)
    {
        beginFlight();
        line(seconds, m_altitude + rate * seconds);
        m_flight.launchEnd = m_time;
        return line(1.5, m_altitude + 0.25 * rate * 1.5);
    }

    // A throw: up at 20 m/s to `height` above ground, then a zoom of two seconds at 4 m/s.
    FlightPathBuilder& handLaunch(double height)
    {
        beginFlight();
        line(height / 20.0, m_altitude + height);
        m_flight.launchEnd = m_time;
        return line(2.0, m_altitude + 8.0);
    }

    // A launch from a slope: away from the rest at its edge and down at `sink` for `seconds`.
    FlightPathBuilder& slopeLaunch(double sink, double seconds)
    {
        beginFlight();
        m_flight.launchedDownhill = true;
        return glide(sink, seconds);
    }

    FlightPathBuilder& glide(double sink, double seconds) { return line(seconds, m_altitude - sink * seconds); }

    // Circling in lift: the altitude rises at `rate` with a wobble of a metre each 20 s circle.
    FlightPathBuilder& thermal(double rate, double seconds)
    {
        m_flight.climbs.push_back({m_time, m_time + seconds, rate * seconds});
        return line(seconds, m_altitude + rate * seconds, 1.0);
    }

    // Glides at `sink` down to `altitude` and touches down there.
    FlightPathBuilder& landAt(double altitude, double sink)
    {
        line(std::max(m_altitude - altitude, 0.0) / sink, altitude);
        m_flight.landing = m_time;
        endFlight();
        return *this;
    }

    // Samples the path every `interval` seconds from 0, with uniform noise of +-noise metres, in a unit of
    // `metresPerUnit` metres. A flight still in the air at the end has no landing.
    SyntheticRecording sample(double interval, double noise, std::uint32_t seed, double metresPerUnit = 1.0)
    {
        if (m_inFlight)
            endFlight();
        SyntheticRecording r;
        r.metresPerUnit = metresPerUnit;
        r.flights = m_flights;
        std::mt19937 random(seed);
        std::uniform_real_distribution<double> jitter(-noise, noise);
        for (int i = 0; i * interval <= m_time; ++i) {
            r.times.push_back(i * interval);
            r.altitudes.push_back((altitudeAt(i * interval) + jitter(random)) / metresPerUnit);
        }
        return r;
    }

    double time() const { return m_time; }
    double altitude() const { return m_altitude; }

private:
    struct Piece {
        double t0, t1, a0, a1, wobble;
    };

    FlightPathBuilder& line(double seconds, double to, double wobble = 0)
    {
        m_pieces.push_back({m_time, m_time + seconds, m_altitude, to, wobble});
        m_time += seconds;
        m_altitude = to;
        return *this;
    }

    // The path with its corners rounded over a second, as a model's climb rate never changes at once.
    double altitudeAt(double t) const
    {
        return 0.2 * (cornerAt(t - 0.5) + cornerAt(t - 0.25) + cornerAt(t) + cornerAt(t + 0.25) + cornerAt(t + 0.5));
    }

    double cornerAt(double t) const
    {
        const auto it = std::lower_bound(m_pieces.begin(), m_pieces.end(), t,
                                         [](const Piece& p, double value) { return p.t1 < value; });
        if (it == m_pieces.end())
            return m_altitude;
        const Piece& p = *it;
        const double f = p.t1 > p.t0 ? std::max(t - p.t0, 0.0) / (p.t1 - p.t0) : 1.0;
        return p.a0 + f * (p.a1 - p.a0) + p.wobble * std::sin(2 * 3.14159265358979 * (t - p.t0) / 20.0);
    }

    void beginFlight()
    {
        if (m_inFlight)
            endFlight();
        m_flight = TruthFlight{};
        m_flight.launch = m_time;
        m_flight.ground = m_altitude;
        m_inFlight = true;
    }

    void endFlight()
    {
        // The heights come from the path itself, walked finely.
        double best = m_flight.ground;
        double highest = m_flight.ground;
        const double windowEnd = m_flight.launchEnd + 10.0;
        for (double t = m_flight.launch; t <= m_time; t += 0.02) {
            const double a = altitudeAt(t);
            highest = std::max(highest, a);
            if (t <= windowEnd)
                best = std::max(best, a);
        }
        m_flight.startHeight = best - m_flight.ground;
        m_flight.maxAltitude = highest - m_flight.ground;
        m_flights.push_back(m_flight);
        m_inFlight = false;
    }

    std::vector<Piece> m_pieces;
    double m_time = 0;
    double m_altitude;
    bool m_inFlight = false;
    TruthFlight m_flight;
    std::vector<TruthFlight> m_flights;
};

// Replaces the altitude samples of a data set by those of a synthetic recording.
inline void fillRecording(DataSet& set, const SyntheticRecording& r)
{
    set.clearSamples();
    for (std::size_t i = 0; i < r.times.size(); ++i)
        set.altitude.series.append(r.times[i], r.altitudes[i]);
}

} // namespace vimo::test
