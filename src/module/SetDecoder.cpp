#include "module/SetDecoder.h"

#include "module/ModuleProtocol.h"

#include <algorithm>

namespace vimo {
namespace {

std::uint16_t bigEndian(QByteArrayView bytes, qsizetype pos)
{
    return std::uint16_t((std::uint8_t(bytes[pos]) << 8) | std::uint8_t(bytes[pos + 1]));
}

} // namespace

std::optional<SetHeader> decodeSetHeader(QByteArrayView bytes)
{
    if (bytes.size() != SetHeader::kWireSize)
        return std::nullopt;
    SetHeader h;
    h.interval = bigEndian(bytes, 1);
    h.wordCount = bigEndian(bytes, 3);
    h.triggerFlag = std::uint8_t(bytes[5]);
    return h;
}

SetAssembler::SetAssembler(int number, const SetHeader& header, std::uint16_t baseInterval)
    : m_baseInterval(baseInterval)
{
    m_set.number = number;
    m_set.header = header;
}

bool SetAssembler::wantsWord() const
{
    if (m_afterMark)
        return true;
    const int r = m_set.received;
    const int wc = m_set.header.wordCount;
    return r < kMaxSamples && (wc == 0 || r + m_set.marks < wc);
}

std::uint32_t SetAssembler::wordLimitMs(const Timing& timing) const
{
    return m_afterMark ? timing.wordAfterMarkMs : timing.wordMs;
}

void SetAssembler::addWord(std::uint16_t word)
{
    if (!m_afterMark && isTriggerMark(word)) {
        m_afterMark = true;
        return;
    }
    const bool triggered = m_afterMark;
    m_afterMark = false;
    const int r = m_set.received;
    // 64-bit product: interval x index x base interval reaches 2.8e14 ms.
    const double time = double(std::int64_t(m_set.header.interval) * r * m_baseInterval) * 0.001;
    const double altitude = std::int16_t(word);
    m_set.times.push_back(time);
    m_set.altitudes.push_back(altitude);
    if (triggered) {
        ++m_set.marks;
        m_set.triggerTimes.push_back(time);
        m_set.triggerAltitudes.push_back(altitude);
    }
    m_set.maximum = std::max(m_set.maximum, altitude);
    m_set.received = r + 1;
}

int SetAssembler::progressPercent() const
{
    const int wc = m_set.header.wordCount;
    return wc == 0 ? 0 : int(std::int64_t(100) * m_set.received / wc);
}

DownloadedSet SetAssembler::finish()
{
    m_afterMark = false;
    const int wc = m_set.header.wordCount;
    if (wc != 0) {
        // The header announced wc words; each mark took one of them. A set that stopped early keeps only what came.
        const int announced = std::max(0, wc - m_set.marks);
        m_set.endedEarly = m_set.received < announced;
        const int count = std::min(m_set.received, announced);
        m_set.times.resize(std::size_t(count));
        m_set.altitudes.resize(std::size_t(count));
    }
    return std::move(m_set);
}

} // namespace vimo
