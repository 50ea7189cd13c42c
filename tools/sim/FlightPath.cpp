#include "FlightPath.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vimo::sim {

void FlightPath::add(double seconds, double to, Shape shape, double swing, double period)
{
    seconds = std::max(seconds, 0.0);
    m_pieces.push_back({m_time, m_time + seconds, m_altitude, to, shape, swing, period});
    m_time += seconds;
    m_altitude = to;
}

void FlightPath::hold(double seconds, double altitude)
{
    m_altitude = altitude;
    add(seconds, altitude, Shape::Line);
}

void FlightPath::line(double seconds, double to)
{
    add(seconds, to, Shape::Line);
}

void FlightPath::speedUp(double seconds, double to)
{
    add(seconds, to, Shape::SpeedUp);
}

void FlightPath::slowDown(double seconds, double to)
{
    add(seconds, to, Shape::SlowDown);
}

void FlightPath::circle(int turns, double period, double rate, double swing)
{
    const double seconds = turns * period;
    add(seconds, m_altitude + rate * seconds, Shape::Circles, swing, period);
}

double FlightPath::at(double t) const
{
    if (m_pieces.empty())
        return m_altitude;
    const auto it = std::lower_bound(m_pieces.begin(), m_pieces.end(), t,
                                     [](const Piece& p, double value) { return p.t1 < value; });
    if (it == m_pieces.end())
        return m_altitude;
    const Piece& p = *it;
    const double f = p.t1 > p.t0 ? std::clamp((t - p.t0) / (p.t1 - p.t0), 0.0, 1.0) : 1.0;
    const double change = p.a1 - p.a0;
    switch (p.shape) {
    case Shape::SpeedUp:
        return p.a0 + change * f * f;
    case Shape::SlowDown:
        return p.a0 + change * (1 - (1 - f) * (1 - f));
    case Shape::Circles:
        // Whole turns: the swing is back to nothing at both ends.
        return p.a0 + change * f + p.swing * std::sin(2 * std::numbers::pi * (t - p.t0) / p.period);
    case Shape::Line:
        break;
    }
    return p.a0 + change * f;
}

} // namespace vimo::sim
