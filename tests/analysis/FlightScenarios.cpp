#include "FlightScenarios.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace vimo::test {
namespace {

void check(std::ostringstream& out, int flight, const char* what, double found, double expected, double within)
{
    if (!(std::abs(found - expected) <= within))
        out << "flight " << flight << ' ' << what << ": " << found << ", truth " << expected << ", allowed +-" << within
            << '\n';
}

} // namespace

std::string accuracyFaults(const FlightReport& report, const SyntheticRecording& truth, double dt)
{
    std::ostringstream out;
    const double m = truth.metresPerUnit;
    if (report.flights.size() != truth.flights.size()) {
        out << report.flights.size() << " flights found, " << truth.flights.size() << " flown\n";
        return out.str();
    }
    for (std::size_t k = 0; k < truth.flights.size(); ++k) {
        const TruthFlight& t = truth.flights[k];
        const Flight& f = report.flights[k];
        const int n = int(k) + 1;
        check(out, n, "launch", f.launch, t.launch, std::max(1.0, 2 * dt));
        if (t.launchedDownhill) {
            if (f.launchEnd || f.windowEnd || f.startHeight || f.startHeightMeters || f.f5jPenalty)
                out << "flight " << n << " launched downhill given a launch end or start height\n";
        } else {
            check(out, n, "launch end", f.launchEnd.value_or(NAN), t.launchEnd, std::max(1.5, 2 * dt));
            check(out, n, "start height", f.startHeight.value_or(NAN) * m, t.startHeight, 1.0);
            check(out, n, "start height in metres", f.startHeightMeters.value_or(NAN), t.startHeight, 1.0);
        }
        check(out, n, "highest altitude", f.maxAltitude * m, t.maxAltitude, 1.0);
        if (t.landing.has_value() != f.landing.has_value())
            out << "flight " << n << (t.landing ? " landed but no landing found\n" : " landing found in the air\n");
        else if (t.landing)
            check(out, n, "landing", *f.landing, *t.landing, std::max(3.0, 2 * dt));
        const double lastTime = truth.times.back();
        check(out, n, "duration", f.duration, t.landing.value_or(lastTime) - t.launch,
              std::max(1.0, 2 * dt) + std::max(3.0, 2 * dt));

        // Each climb found must be one of the thermals flown, and each thermal found once, its gain within 25 %.
        std::vector<int> found(t.climbs.size(), 0);
        for (const Climb& c : f.climbs) {
            const double middle = 0.5 * (c.start + c.end);
            const auto hit = std::find_if(t.climbs.begin(), t.climbs.end(), [middle](const TruthClimb& tc) {
                return middle >= tc.start && middle <= tc.end;
            });
            if (hit == t.climbs.end()) {
                out << "flight " << n << ": climb " << c.start << ".." << c.end << " where none was flown\n";
                continue;
            }
            ++found[std::size_t(hit - t.climbs.begin())];
            if (std::abs(c.gain * m - hit->gain) > 0.25 * hit->gain)
                out << "flight " << n << ": climb gain " << c.gain * m << ", truth " << hit->gain << '\n';
        }
        for (std::size_t i = 0; i < found.size(); ++i)
            if (found[i] != 1)
                out << "flight " << n << ": thermal at " << t.climbs[i].start << " found " << found[i] << " times\n";
    }
    return out.str();
}

} // namespace vimo::test
