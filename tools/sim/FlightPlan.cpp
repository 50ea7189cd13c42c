#include "FlightPlan.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

namespace vimo::sim {
namespace {

constexpr double kHand = 1.6;       // metres above the field: a model held for the launch
constexpr double kCarried = 1.0;    // and carried back to the launch point
constexpr double kLowest = 50.0;    // a soaring model seeks lift below this...
constexpr double kHighest = 320.0;  // ...and glides away above this
constexpr double kRestAfter = 60.0; // seconds at rest at least after the last landing of a recording

class Planner {
public:
    Planner(double seconds, double step, quint32 seed) : m_random(seed), m_seconds(seconds), m_step(step) {}

    FlightPlan plan(Session session)
    {
        rest(pick(20, 60));
        if (session == Session::HandLaunch) {
            while (fits(handLaunchSeconds()))
                handLaunchFlight();
        } else {
            // Recordings that end in the air keep five minutes or more for the last flight.
            const double keep = session == Session::EndsInAir ? 300 : 0;
            while (fits(electricSeconds() + keep))
                electricFlight();
            if (session == Session::EndsInAir && end() - m_plan.path.time() > keep) {
                lastFlight();
                return std::move(m_plan);
            }
        }
        rest(std::max(m_seconds - m_plan.path.time(), 0.0) + kRestAfter);
        return std::move(m_plan);
    }

private:
    double pick(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(m_random); }
    int pickInt(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_random); }
    bool chance(double p) { return pick(0, 1) < p; }
    double altitude() const { return m_plan.path.altitude(); }

    // The latest time the recording is sure to last: each event may cost a step at its end; two more launches and
    // a camera shot may come.
    double end() const { return m_seconds - double(m_plan.events.size() + 3) * m_step; }
    // Whether a flight of about `seconds` still lands with the rest after it before the end.
    bool fits(double seconds) const { return m_plan.path.time() + seconds + kRestAfter <= end(); }

    void rest(double seconds) { m_plan.path.hold(seconds, m_ground); }

    void beginFlight()
    {
        m_plan.flights.push_back({m_plan.path.time(), std::numeric_limits<double>::infinity()});
        m_plan.events.push_back(m_plan.path.time());
    }

    // Held up with the motor running, then a climb at full power until the motor stops, and a zoom.
    void electricLaunch()
    {
        m_plan.path.hold(pick(1, 2), m_ground + kHand);
        beginFlight();
        const double rate = pick(5, 12);
        const double motor = std::min(pick(15, 28), 220 / rate);
        m_plan.path.speedUp(1.5, altitude() + 0.75 * rate);
        m_plan.path.line(motor, altitude() + rate * motor);
        m_plan.path.slowDown(2.5, altitude() + 1.25 * rate);
    }

    // Thrown up to the top of the launch, where the glide begins.
    void handLaunch()
    {
        m_plan.path.hold(pick(1, 2), m_ground + kHand);
        beginFlight();
        const double height = pick(25, 55);
        m_plan.path.slowDown(2 * height / pick(20, 28), altitude() + height);
    }

    void glide(double seconds, double sink) { m_plan.path.line(seconds, altitude() - sink * seconds); }
    void thermal(int turns, double rate) { m_plan.path.circle(turns, pick(16, 24), rate, pick(1, 3)); }

    // Thermals, glides and sinking air until `until`, between kLowest and kHighest, with a camera shot or two.
    void soar(double until)
    {
        while (m_plan.path.time() < until) {
            const double left = until - m_plan.path.time();
            if (altitude() < kLowest || (altitude() < kHighest && chance(0.45))) {
                const double rate = pick(0.6, 2.5);
                const int room = int((kHighest - altitude()) / (rate * 20));
                thermal(std::max(1, std::min({pickInt(3, 12), int(left / 20), room})), rate);
            } else {
                const double sink = chance(0.25) ? pick(1.0, 2.0) : pick(0.4, 0.9);
                glide(std::clamp(std::min(pick(20, 120), left), 5.0, std::max((altitude() - 40) / sink, 5.0)), sink);
            }
            if (chance(0.1))
                m_plan.events.push_back(m_plan.path.time());
        }
    }

    // Down to the circuit height with the brakes out, to the field at an approach sink, then a flare over the last
    // metre to the touchdown.
    void land()
    {
        m_ground = pick(-0.3, 0.3);
        constexpr double kCircuit = 60;
        if (altitude() > kCircuit) {
            const double brakes = pick(2, 3);
            glide((altitude() - kCircuit) / brakes, brakes);
        }
        const double sink = pick(0.8, 1.3);
        glide(std::max(altitude() - m_ground - 1, 0.0) / sink, sink);
        m_plan.path.slowDown(2 / sink, m_ground);
        m_plan.flights.back().touchdown = m_plan.path.time();
    }

    // How long a flight and the rest after it may take, at most: the climb, the soaring, the approach from the highest
    // altitude, and the fetching of the model. The soaring is shortened to fit the recording, down to two minutes.
    double electricSeconds()
    {
        constexpr double kOverhead = 40 + kHighest / 2 + 75 + 240;
        const double room = end() - m_plan.path.time() - kOverhead - kRestAfter;
        m_soarFor = std::min(pick(240, 600), std::max(room, 120.0));
        return m_soarFor + kOverhead;
    }

    void electricFlight()
    {
        electricLaunch();
        soar(m_plan.path.time() + m_soarFor);
        land();
        rest(pick(90, 240)); // fetching the model, a fresh battery
    }

    double handLaunchSeconds() { return m_soarFor = pick(20, 90), m_soarFor + 100 + 70; }

    // A throw, a glide with maybe a bubble of lift, the landing, and the walk back with the model.
    void handLaunchFlight()
    {
        handLaunch();
        if (chance(0.3))
            thermal(pickInt(1, 3), pick(0.5, 1.5));
        const double sink = pick(0.4, 0.7);
        glide(std::min(m_soarFor, (altitude() - m_ground - 8) / sink), sink);
        land();
        rest(pick(15, 30));
        m_plan.path.hold(pick(15, 40), m_ground + kCarried);
    }

    // An electric flight that is still gliding well above the field when the recording stops, however many steps the
    // events take off its end.
    void lastFlight()
    {
        electricLaunch();
        const double spare = (double(m_plan.events.size()) + 2) * m_step + 30;
        soar(m_seconds - spare - 300);
        // The glide lasts from before the earliest end to beyond the latest, high enough to stay well up.
        const double until = m_seconds + 60;
        const double sink = pick(0.5, 0.6);
        while (altitude() < 60 + sink * (until - m_plan.path.time()))
            thermal(3, pick(1.5, 2.5));
        glide(until - m_plan.path.time(), sink);
    }

    std::mt19937 m_random;
    double m_seconds;
    double m_step;
    double m_ground = 0;
    double m_soarFor = 0;
    FlightPlan m_plan;
};

} // namespace

FlightPlan planSession(Session session, double seconds, double step, quint32 seed)
{
    return Planner(seconds, step, seed).plan(session);
}

} // namespace vimo::sim
