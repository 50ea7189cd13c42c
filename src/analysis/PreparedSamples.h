#pragma once

#include <cstddef>
#include <memory>

namespace vimo::analysis {

// A read-only run of doubles: the caller's own array when the analysis can read it as it is, or a prepared copy.
class SampleArray {
public:
    SampleArray() = default;
    SampleArray(const double* data, std::size_t size) : m_data(data), m_size(size) {}

    const double* data() const { return m_data; }
    std::size_t size() const { return m_size; }
    const double* begin() const { return m_data; }
    const double* end() const { return m_data + m_size; }
    double front() const { return m_data[0]; }
    double back() const { return m_data[m_size - 1]; }
    double operator[](std::size_t i) const { return m_data[i]; }

private:
    const double* m_data = nullptr;
    std::size_t m_size = 0;
};

// The altitude samples as the analysis reads them: times on the plot's axis, never decreasing (a time that goes
// back repeats the latest one, so the samples keep their recording order), and altitudes in metres with single
// outliers removed (a sample far from both neighbours takes their median). Values that are not finite repeat the
// previous sample's. Times, and altitudes in metres, that need none of this are read where they lie, without a
// copy; the arrays the samples were prepared from must then outlive this.
struct PreparedSamples {
    SampleArray t;
    SampleArray a;
    int backwardSteps = 0; // how often a time went back

    PreparedSamples() = default;
    PreparedSamples(PreparedSamples&&) = default;
    PreparedSamples& operator=(PreparedSamples&&) = default;
    PreparedSamples(const PreparedSamples&) = delete; // t and a may point into the owned copies
    PreparedSamples& operator=(const PreparedSamples&) = delete;

    int count() const { return int(t.size()); }

    std::unique_ptr<double[]> ownTimes;     // the prepared times, when they differ from the input
    std::unique_ptr<double[]> ownAltitudes; // the prepared altitudes, when they differ from the input
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
