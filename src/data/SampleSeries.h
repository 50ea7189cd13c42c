#pragma once

#include <cstdint>
#include <vector>

namespace vimo {

// The samples of one Signal, in recording order (times non-decreasing).
//
// A series never holds more than kCapacity samples. Its storage grows with the samples it holds, so a short
// flight stays small: about 17 bytes an altitude sample (time, altitude, tag) and 16 a trigger sample.
class SampleSeries {
public:
    static constexpr int kCapacity = 65536;

    // withTags: the altitude series carries a peak tag per sample, the trigger series none.
    explicit SampleSeries(bool withTags) : m_hasTags(withTags) {}

    int count() const { return static_cast<int>(m_time.size()); }
    bool isEmpty() const { return m_time.empty(); }
    bool hasTags() const { return m_hasTags; }

    double time(int i) const { return m_time[std::size_t(i)]; }
    double altitude(int i) const { return m_altitude[std::size_t(i)]; }
    std::uint8_t tag(int i) const { return m_hasTags ? m_tags[std::size_t(i)] : 0; }

    void setTime(int i, double t) { m_time[std::size_t(i)] = t; }
    void setAltitude(int i, double a) { m_altitude[std::size_t(i)] = a; }
    void setTag(int i, std::uint8_t tag)
    {
        if (m_hasTags)
            m_tags[std::size_t(i)] = tag;
    }

    // Appends one sample; returns false (and stores nothing) when the series is full.
    bool append(double time, double altitude, std::uint8_t tag = 0);

    // Sets the sample count to n (clamped to 0..kCapacity); new samples are (0, 0, 0).
    void resize(int n);
    void clear() { resize(0); }

    // Direct access for algorithms that walk whole arrays (renderer, scaling, files).
    const std::vector<double>& times() const { return m_time; }
    const std::vector<double>& altitudes() const { return m_altitude; }
    std::vector<double>& times() { return m_time; }
    std::vector<double>& altitudes() { return m_altitude; }

    // Index of the sample nearest to time t: a binary search over the non-decreasing times; on a tie between two
    // neighbours the later sample. -1 when the series is empty.
    int nearestIndex(double t) const;

    // Bytes held by the sample arrays (their capacity), for the memory budget.
    std::size_t memoryBytes() const;

    // Releases spare capacity left after the series was filled.
    void shrinkToFit();

private:
    std::vector<double> m_time;
    std::vector<double> m_altitude;
    std::vector<std::uint8_t> m_tags;
    bool m_hasTags;
};

} // namespace vimo
