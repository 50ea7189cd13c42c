#include "FlightGenerator.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

namespace vimo::sim {
namespace {

enum class Phase { Ground, Launch, Glide, Thermal, Landing };

constexpr quint16 kTriggerMark = 0x8200;
constexpr double kCeilingFeet = 3000.0;

class Flight {
public:
    Flight(quint32 seed, double stepSeconds) : m_random(seed), m_step(stepSeconds) { startGround(); }

    // Advances one sample; returns the altitude and whether a trigger fired at it.
    double next(bool& trigger)
    {
        trigger = false;
        m_phaseLeft -= m_step;
        switch (m_phase) {
        case Phase::Ground:
            if (m_phaseLeft <= 0) {
                m_phase = Phase::Launch;
                m_rate = uniform(10.0, 20.0);
                m_target = uniform(300.0, 900.0);
            }
            break;
        case Phase::Launch:
            m_altitude += m_rate * m_step;
            if (m_altitude >= m_target) {
                trigger = true; // release
                startGlide();
            }
            break;
        case Phase::Glide:
            m_altitude -= m_rate * m_step;
            trigger = chance(m_step / 300.0);
            if (m_altitude < 30.0) {
                m_phase = Phase::Landing;
            } else if (chance(m_step / 90.0)) {
                m_phase = Phase::Thermal;
                m_phaseLeft = uniform(60.0, 300.0);
                m_rate = uniform(2.0, 7.0);
                m_swing = uniform(4.0, 12.0);
                m_period = uniform(18.0, 30.0);
                m_circleTime = 0;
            }
            break;
        case Phase::Thermal: {
            const double before = std::sin(2 * std::numbers::pi * m_circleTime / m_period);
            m_circleTime += m_step;
            const double after = std::sin(2 * std::numbers::pi * m_circleTime / m_period);
            m_altitude = std::min(m_altitude + m_rate * m_step + m_swing * (after - before), kCeilingFeet);
            trigger = chance(m_step / 300.0);
            if (m_phaseLeft <= 0)
                startGlide();
            break;
        }
        case Phase::Landing:
            m_altitude -= 3.0 * m_step;
            if (m_altitude <= 0) {
                m_altitude = 0;
                startGround();
            }
            break;
        }
        return m_altitude + uniform(-1.0, 1.0);
    }

private:
    double uniform(double low, double high) { return std::uniform_real_distribution<double>(low, high)(m_random); }
    bool chance(double p) { return uniform(0.0, 1.0) < p; }

    void startGround()
    {
        m_phase = Phase::Ground;
        m_phaseLeft = uniform(10.0, 40.0);
    }
    void startGlide()
    {
        m_phase = Phase::Glide;
        m_rate = uniform(1.5, 3.0);
    }

    std::mt19937 m_random;
    double m_step;
    Phase m_phase = Phase::Ground;
    double m_phaseLeft = 0;
    double m_altitude = 0;
    double m_rate = 0;
    double m_target = 0;
    double m_swing = 0;
    double m_period = 20;
    double m_circleTime = 0;
};

} // namespace

SimDataSet generateFlight(int words, quint32 seed, quint16 interval, bool triggers)
{
    SimDataSet set;
    set.interval = interval;
    set.triggerData = triggers;
    set.words.reserve(size_t(std::max(words, 0)));
    Flight flight(seed, std::max<int>(interval, 1) * 0.1);
    quint8 markNumber = 0;
    while (int(set.words.size()) < words) {
        bool trigger = false;
        const double altitude = flight.next(trigger);
        // A mark needs room for the sample that follows it.
        if (triggers && trigger && int(set.words.size()) + 2 <= words)
            set.words.push_back(quint16(kTriggerMark | markNumber++));
        set.words.push_back(quint16(qint16(std::lround(altitude))));
    }
    return set;
}

std::vector<SimDataSet> generateFlights(int count, int words, quint32 seed)
{
    std::vector<SimDataSet> sets;
    for (int i = 0; i < count; ++i)
        sets.push_back(generateFlight(words, seed + quint32(i), 10, i % 2 == 0));
    return sets;
}

} // namespace vimo::sim
