#pragma once

#include <vector>

namespace vimo::sim {

// An altitude in metres over time in seconds, built piece by piece from the start of a recording: rests, climbs that
// start or end smoothly, glides, and circling in a thermal.
class FlightPath {
public:
    double time() const { return m_time; }
    double altitude() const { return m_altitude; }

    // Holds `altitude` (jumping there: the model is set down or picked up) for `seconds`.
    void hold(double seconds, double altitude);
    // Moves to `to` at a steady rate.
    void line(double seconds, double to);
    // Moves to `to`, starting from a standstill and speeding up.
    void speedUp(double seconds, double to);
    // Moves to `to` and comes to a standstill there: the top of a throw, a zoom after the motor stops, a touchdown.
    void slowDown(double seconds, double to);
    // Circles `turns` times in lift, each turn `period` seconds: the altitude rises by `rate` m/s and swings by
    // `swing` metres up and down with each turn, into wind and out of it.
    void circle(int turns, double period, double rate, double swing);

    // The altitude at time t (before the start, the first altitude; after the end, the last).
    double at(double t) const;

private:
    enum class Shape { Line, SpeedUp, SlowDown, Circles };
    struct Piece {
        double t0, t1, a0, a1;
        Shape shape;
        double swing = 0;
        double period = 1;
    };

    void add(double seconds, double to, Shape shape, double swing = 0, double period = 1);

    std::vector<Piece> m_pieces;
    double m_time = 0;
    double m_altitude = 0;
};

} // namespace vimo::sim
