#include "data/SampleSeries.h"

#include <algorithm>

namespace vimo {

bool SampleSeries::append(double time, double altitude, std::uint8_t tag)
{
    if (count() >= kCapacity)
        return false;
    m_time.push_back(time);
    m_altitude.push_back(altitude);
    if (m_hasTags)
        m_tags.push_back(tag);
    return true;
}

void SampleSeries::resize(int n)
{
    const auto size = std::size_t(std::clamp(n, 0, kCapacity));
    m_time.resize(size, 0.0);
    m_altitude.resize(size, 0.0);
    if (m_hasTags)
        m_tags.resize(size, 0);
}

int SampleSeries::nearestIndex(double t) const
{
    if (m_time.empty())
        return -1;
    // First sample whose time is above t: the nearest is it or its predecessor.
    const auto upper = std::upper_bound(m_time.begin(), m_time.end(), t);
    if (upper == m_time.begin())
        return 0;
    if (upper == m_time.end())
        return count() - 1;
    const auto after = int(upper - m_time.begin());
    const int before = after - 1;
    // On a tie the later sample wins.
    return (t - m_time[std::size_t(before)] < m_time[std::size_t(after)] - t) ? before : after;
}

std::size_t SampleSeries::memoryBytes() const
{
    return m_time.capacity() * sizeof(double) + m_altitude.capacity() * sizeof(double) + m_tags.capacity();
}

void SampleSeries::shrinkToFit()
{
    m_time.shrink_to_fit();
    m_altitude.shrink_to_fit();
    m_tags.shrink_to_fit();
}

} // namespace vimo
