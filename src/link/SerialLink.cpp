#include "link/SerialLink.h"

#include "link/SerialPortChannel.h"

#include <QElapsedTimer>
#include <QThread>
#include <algorithm>
#include <cstring>

namespace vimo {
namespace {

// The per-byte read time-out of the line: an empty read waits this long.
constexpr int kByteTimeoutMs = 20;
// Largest block taken from the port in one read.
constexpr int kBlock = 4096;

int remainingMs(const QElapsedTimer& timer, quint32 limitMs)
{
    const qint64 left = qint64(limitMs) - timer.elapsed();
    return int(std::clamp<qint64>(left, 0, kByteTimeoutMs));
}

} // namespace

SerialLink::SerialLink() : SerialLink(std::make_unique<SerialPortChannel>()) {}

SerialLink::SerialLink(std::unique_ptr<ByteChannel> channel) : m_channel(std::move(channel)) {}

SerialLink::~SerialLink() = default;

void SerialLink::trace(const QString& text) const
{
    if (m_trace)
        m_trace(text);
}

bool SerialLink::open(const QString& path, qint32 baud, int framing)
{
    trace(QStringLiteral("Opening %1").arg(path));
    m_error.clear();
    m_pending.clear();
    m_pendingPos = 0;
    if (!m_channel->open(path, baud, framing, &m_error))
        return false;
    m_lost = false;
    trace(QStringLiteral("%1 Opened.").arg(path));
    return true;
}

void SerialLink::close()
{
    if (!m_channel->isOpen())
        return;
    m_channel->close();
    m_pending.clear();
    m_pendingPos = 0;
    trace(QStringLiteral("Comm port closed"));
}

bool SerialLink::isOpen() const
{
    return m_channel->isOpen();
}

int SerialLink::write(const char* bytes, int count)
{
    m_bytesWritten = 0;
    if (count <= 0 || !m_channel->isOpen())
        return 0;
    // The line may take up to 20 ms a byte, as its write time-out allows.
    const qint64 written = m_channel->write(bytes, count, kByteTimeoutMs * count + 100);
    m_bytesWritten = quint32(std::max<qint64>(written, 0));
    return int(m_bytesWritten);
}

bool SerialLink::fill(int waitMs)
{
    if (m_pendingPos < m_pending.size())
        return true;
    m_pending.clear();
    m_pendingPos = 0;
    if (!m_channel->isOpen())
        return false;
    char block[kBlock];
    const qint64 got = m_channel->read(block, kBlock, waitMs);
    if (got < 0) {
        // The device is gone: end every exchange like a time-out and leave the link closed.
        m_lost = true;
        m_channel->close();
        trace(QStringLiteral("Comm port closed"));
        return false;
    }
    if (got == 0)
        return false;
    m_pending.append(block, got);
    return true;
}

int SerialLink::takePending(char* buffer, int max)
{
    const int n = int(std::min<qsizetype>(max, m_pending.size() - m_pendingPos));
    std::memcpy(buffer, m_pending.constData() + m_pendingPos, size_t(n));
    m_pendingPos += n;
    return n;
}

int SerialLink::readBytes(char* buffer, int count)
{
    if (count <= 0)
        return 0;
    QElapsedTimer timer;
    timer.start();
    const quint32 limit = quint32(kByteTimeoutMs) * quint32(count);
    int stored = 0;
    while (stored < count) {
        const int wait = remainingMs(timer, limit);
        if (!fill(wait))
            break;
        stored += takePending(buffer + stored, count - stored);
        if (timer.elapsed() >= qint64(limit))
            break;
    }
    return stored;
}

int SerialLink::drain()
{
    int discarded = 0;
    while (fill(kByteTimeoutMs)) {
        discarded += int(m_pending.size() - m_pendingPos);
        m_pendingPos = m_pending.size();
    }
    return discarded;
}

int SerialLink::readExact(char* buffer, int count, quint32 limitMs)
{
    m_received = 0;
    if (count < 0)
        return 0;
    QElapsedTimer timer;
    timer.start();
    while (m_received < count) {
        if (fill(remainingMs(timer, limitMs)))
            m_received += takePending(buffer + m_received, count - m_received);
        else if (m_lost)
            break;
        if (m_received < count && timer.elapsed() >= qint64(limitMs))
            break;
    }
    // Complete means success, even when the last byte came in the read that crossed the limit.
    if (m_received < count)
        return 0;
    buffer[count] = 0;
    return count;
}

int SerialLink::readLine(char* buffer, int maxChars, quint32 limitMs)
{
    m_received = 0;
    QElapsedTimer timer;
    timer.start();
    bool ended = false;
    while (!ended && m_received < maxChars) {
        if (fill(remainingMs(timer, limitMs))) {
            while (m_pendingPos < m_pending.size() && m_received < maxChars) {
                const char c = m_pending[m_pendingPos++];
                if (c == '\n') {
                    ended = true;
                    break;
                }
                if (c != '\r')
                    buffer[m_received++] = c;
            }
        } else if (m_lost) {
            break;
        }
        if (!ended && m_received < maxChars && timer.elapsed() >= qint64(limitMs))
            break;
    }
    buffer[m_received] = 0;
    // A line that ended (at LF or at the maximum) counts, even when it ended in the read that crossed the limit.
    const bool complete = ended || m_received >= maxChars;
    return complete ? m_received : 0;
}

QByteArray SerialLink::readExact(int count, quint32 limitMs, bool* ok)
{
    QByteArray out(std::max(count, 0) + 1, '\0');
    const int n = readExact(out.data(), count, limitMs);
    if (ok)
        *ok = (n == count);
    out.truncate(m_received);
    return out;
}

QByteArray SerialLink::readLine(int maxChars, quint32 limitMs)
{
    QByteArray out(std::max(maxChars, 0) + 1, '\0');
    const int n = readLine(out.data(), maxChars, limitMs);
    out.truncate(n);
    return out;
}

bool SerialLink::waitFor(const char* text, int length, quint32 limitMs)
{
    if (length <= 0)
        return true;
    const QByteArray wanted(text, length);
    QByteArray window;
    QElapsedTimer timer;
    timer.start();
    for (;;) {
        const int wait = limitMs == 0 ? kByteTimeoutMs : remainingMs(timer, limitMs);
        if (fill(wait)) {
            while (m_pendingPos < m_pending.size()) {
                window.append(m_pending[m_pendingPos++]);
                if (window.size() > length)
                    window.remove(0, 1);
                if (window.size() == length && window == wanted)
                    return true;
            }
        } else if (m_lost) {
            return false;
        }
        if (limitMs != 0 && timer.elapsed() >= qint64(limitMs))
            return false;
    }
}

void SerialLink::sendBreak(int ms)
{
    if (!m_channel->isOpen())
        return;
    m_channel->setBreak(true);
    QThread::msleep(ulong(std::max(ms, 0)));
    m_channel->setBreak(false);
}

} // namespace vimo
