#include "FlightGenerator.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace vimo::sim {
namespace {

constexpr quint16 kTriggerMark = 0x8200;

// A barometric altimeter as a model carries it: a reading jitters by a decimetre or so, the air in flight stirs it by
// some more over seconds, and the weather moves it slowly over many minutes.
class Altimeter {
public:
    Altimeter(quint32 seed, double step)
        : m_random(seed), m_air(std::exp(-step / 3.0)), m_weather(std::exp(-step / 900.0))
    {
    }

    double read(double altitude, bool flying)
    {
        m_stir = m_air * m_stir + 0.35 * std::sqrt(1 - m_air * m_air) * gauss();
        m_drift = m_weather * m_drift + 0.8 * std::sqrt(1 - m_weather * m_weather) * gauss();
        return altitude + m_drift + (flying ? m_stir : 0.0) + 0.12 * gauss();
    }

private:
    double gauss() { return m_normal(m_random); }

    std::mt19937 m_random;
    std::normal_distribution<double> m_normal;
    double m_air;     // how much of the stirring lasts from one sample to the next
    double m_weather; // likewise of the weather's drift
    double m_stir = 0;
    double m_drift = 0;
};

// A recorded sample: the altitude in the unit, rounded, within what a sample word can hold.
quint16 wordOf(double altitude)
{
    return quint16(qint16(std::clamp<long>(std::lround(altitude), -32000, 32767)));
}

// The flights of the plan as the samples show them, with the samples taken every `step` seconds.
std::vector<SimFlight> flightsRecorded(const FlightPlan& plan, const std::vector<double>& samples, double step)
{
    std::vector<SimFlight> flights;
    const auto last = std::ptrdiff_t(samples.size()) - 1;
    for (const PlannedFlight& p : plan.flights) {
        const auto launch = std::ptrdiff_t(std::floor(p.launch / step));
        if (launch >= last)
            break;
        SimFlight f;
        f.launch = double(launch) * step;
        auto end = last;
        if (std::isfinite(p.touchdown) && std::ceil(p.touchdown / step) <= double(last)) {
            end = std::ptrdiff_t(std::ceil(p.touchdown / step));
            f.landing = double(end) * step;
        }
        f.highest = *std::max_element(samples.begin() + launch, samples.begin() + end + 1);
        flights.push_back(f);
    }
    return flights;
}

} // namespace

double Recording::step() const
{
    return std::clamp(double(interval) * baseIntervalMs / 1000.0, 0.01, 600.0);
}

double Recording::metresPerUnit() const
{
    return units == 1 ? 0.9144 : units == 2 ? 1.0 : 0.3048;
}

SimDataSet generateDataSet(int words, quint32 seed, Session session, const Recording& recording, bool triggers)
{
    SimDataSet set;
    set.interval = recording.interval;
    set.triggerData = triggers;
    set.words.reserve(std::size_t(std::max(words, 0)));
    const double step = recording.step();
    const FlightPlan plan = planSession(session, std::max(words, 0) * step, step, seed);
    Altimeter altimeter(seed * 2654435761u + 1, step);
    std::vector<double> samples;
    std::size_t event = 0;
    std::size_t flight = 0;
    quint8 markNumber = 0;
    for (int i = 0; int(set.words.size()) < words; ++i) {
        const double t = i * step;
        bool marked = false;
        for (; event < plan.events.size() && plan.events[event] <= t; ++event)
            marked = true;
        // A mark needs room for the sample that follows it.
        if (triggers && marked && int(set.words.size()) + 2 <= words)
            set.words.push_back(quint16(kTriggerMark | markNumber++));
        while (flight < plan.flights.size() && plan.flights[flight].touchdown < t)
            ++flight;
        const bool flying = flight < plan.flights.size() && plan.flights[flight].launch < t;
        const quint16 word = wordOf(altimeter.read(plan.path.at(t), flying) / recording.metresPerUnit());
        set.words.push_back(word);
        samples.push_back(qint16(word));
    }
    set.flights = flightsRecorded(plan, samples, step);
    return set;
}

std::vector<SimDataSet> generateDataSets(int count, int words, quint32 seed, const Recording& recording)
{
    constexpr Session kSessions[] = {Session::Electric, Session::HandLaunch, Session::EndsInAir};
    std::vector<SimDataSet> sets;
    for (int i = 0; i < count; ++i)
        sets.push_back(generateDataSet(words, seed + quint32(i), kSessions[i % 3], recording, i % 2 == 0));
    return sets;
}

} // namespace vimo::sim
