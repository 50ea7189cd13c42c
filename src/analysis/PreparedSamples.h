#pragma once

#include <cstddef>
#include <vector>

namespace vimo::analysis {

// The altitude samples as the analysis reads them: times on the plot's axis, never decreasing (a time that goes
// back repeats the latest one, so the samples keep their recording order), and altitudes in metres with single
// outliers removed (a sample far from both neighbours takes their median). Values that are not finite repeat the
// previous sample's.
struct PreparedSamples {
    std::vector<double> t;
    std::vector<double> a;
    int backwardSteps = 0; // how often a time went back

    int count() const { return int(t.size()); }
};

// How a stored series maps onto the time axis and into metres (the Signal's display transform times metres per
// unit).
struct SampleTransform {
    double timeScale = 1;
    double timeOffset = 0;
    double altitudeScale = 1;
    double altitudeOffset = 0;
    double metresPerUnit = 1;
};

PreparedSamples prepareSamples(const double* times, const double* altitudes, std::size_t n,
                               const SampleTransform& transform);

// The mean sample interval, at least a millisecond.
double meanInterval(const PreparedSamples& s);

// Median of the altitudes of samples first..last (inclusive); at most `limit` of them evenly spread are used.
double medianAltitude(const PreparedSamples& s, int first, int last, int limit = 257);

} // namespace vimo::analysis
