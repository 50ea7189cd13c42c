#include "link/SerialLink.h"

#include "link/SerialPortChannel.h"

#include <QElapsedTimer>
#include <QThread>
#include <algorithm>
#include <climits>
#include <cstring>

namespace vimo {
namespace {

// The per-byte time-out of the line: a read waits this long for a byte before it counts as empty.
constexpr int kByteTimeoutMs = 20;
// Largest block taken from the port in one read.
constexpr int kBlock = 4096;
// How long one wait of an unlimited waitFor lasts before it looks at the port again.
constexpr int kUnlimitedSliceMs = 1000;

// Milliseconds left of `limitMs`, never negative.
int remainingMs(const QElapsedTimer& timer, qint64 limitMs)
{
    return int(std::clamp<qint64>(limitMs - timer.elapsed(), 0, INT_MAX));
}

bool expired(const QElapsedTimer& timer, qint64 limitMs)
{
    return timer.elapsed() >= limitMs;
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

void SerialLink::clearPending()
{
    m_pending.clear();
    m_pendingPos = 0;
}

bool SerialLink::open(const QString& path, qint32 baud, int framing)
{
    if (m_channel->isOpen())
        close();
    trace(QStringLiteral("Opening %1").arg(path));
    m_path = path;
    m_error = {};
    clearPending();
    if (!m_channel->open(path, baud, framing, &m_error)) {
        m_error.path = path;
        return false;
    }
    m_lost = false;
    trace(QStringLiteral("%1 Opened.").arg(path));
    return true;
}

void SerialLink::close()
{
    if (!m_channel->isOpen())
        return;
    m_channel->close();
    clearPending();
    trace(QStringLiteral("Comm port closed"));
}

bool SerialLink::isOpen() const
{
    return m_channel->isOpen();
}

void SerialLink::lose()
{
    m_lost = true;
    close();
}

int SerialLink::write(const char* bytes, int count)
{
    m_bytesWritten = 0;
    if (count <= 0 || !m_channel->isOpen())
        return 0;
    // The line may take up to 20 ms a byte, as its write time-out allows.
    const qint64 timeoutMs = std::min<qint64>(qint64(kByteTimeoutMs) * count, INT_MAX);
    const qint64 written = m_channel->write(bytes, count, int(timeoutMs));
    if (written < 0) {
        lose();
        return 0;
    }
    m_bytesWritten = quint32(written);
    return int(written);
}

bool SerialLink::fill(int waitMs)
{
    if (hasPending())
        return true;
    clearPending();
    if (!m_channel->isOpen())
        return false;
    char block[kBlock];
    const qint64 got = m_channel->read(block, kBlock, waitMs);
    if (got < 0) {
        // The device is gone: the exchange ends like a time-out and the link stays closed.
        lose();
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
    const qint64 limitMs = qint64(kByteTimeoutMs) * count;
    int stored = 0;
    while (stored < count && fill(remainingMs(timer, limitMs))) {
        stored += takePending(buffer + stored, count - stored);
        if (expired(timer, limitMs))
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
        else if (!m_channel->isOpen())
            break;
        // Complete means success, even when the last byte came in the read that crossed the limit.
        if (m_received < count && expired(timer, limitMs))
            break;
    }
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
            while (hasPending() && m_received < maxChars) {
                const char c = m_pending[m_pendingPos++];
                if (c == '\n') {
                    ended = true;
                    break;
                }
                if (c != '\r')
                    buffer[m_received++] = c;
            }
        } else if (!m_channel->isOpen()) {
            break;
        }
        if (!ended && m_received < maxChars && expired(timer, limitMs))
            break;
    }
    buffer[std::max(m_received, 0)] = 0;
    // A line that ended (at LF or at the maximum) counts, even when it ended in the read that crossed the limit.
    const bool complete = ended || (maxChars > 0 && m_received >= maxChars);
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

QByteArray SerialLink::readLine(int maxChars, quint32 limitMs, bool* ok)
{
    QByteArray out(std::max(maxChars, 0) + 1, '\0');
    const int n = readLine(out.data(), maxChars, limitMs);
    if (ok)
        *ok = n > 0;
    out.truncate(m_received);
    return out;
}

bool SerialLink::waitFor(const char* text, int length, quint32 limitMs)
{
    if (length <= 0)
        return true;
    const QByteArray wanted(text, length);
    // The most recent `length` bytes received.
    QByteArray window;
    window.reserve(length + 1);
    QElapsedTimer timer;
    timer.start();
    for (;;) {
        const int wait = limitMs == 0 ? kUnlimitedSliceMs : remainingMs(timer, limitMs);
        if (fill(wait)) {
            while (hasPending()) {
                window.append(m_pending[m_pendingPos++]);
                if (window.size() > length)
                    window.remove(0, 1);
                if (window == wanted)
                    return true;
            }
        } else if (!m_channel->isOpen()) {
            return false;
        }
        if (limitMs != 0 && expired(timer, limitMs))
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
