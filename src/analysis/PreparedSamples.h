#pragma once

#include <span>
#include <vector>

namespace vimo::analysis {

// The altitude samples as the analysis reads them: times on the plot's axis, never decreasing (a time that goes
// back repeats the latest one, so the samples keep their recording order), and altitudes in metres with single bad
// readings mended (a sample far beyond both neighbours takes their median). Values that are not finite repeat the
// previous sample's.
struct PreparedSamples {
    std::vector<double> t;
    std::vector<double> a;
    int backwardSteps = 0; // how often a time went back
    double interval = 1;   // the usual step between two samples (seconds), as the recording shows it

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

// Prepares the first min(times, altitudes) samples.
PreparedSamples prepareSamples(std::span<const double> times, std::span<const double> altitudes,
                               const SampleTransform& transform);

// Median of the altitudes of samples first..last (inclusive); at most `limit` of them evenly spread are used.
double medianAltitude(const PreparedSamples& s, int first, int last, int limit = 257);

// The index of the first sample at or after time `seconds` (count() when there is none), and of the last one at or
// before it (-1 when there is none).
int firstAtOrAfter(const PreparedSamples& s, double seconds);
int lastAtOrBefore(const PreparedSamples& s, double seconds);

} // namespace vimo::analysis
