#pragma once

#include "link/ByteChannel.h"

#include <QByteArray>
#include <QThread>
#include <deque>

namespace vimo::test {

// A transport that replays a script of reads, each returning its bytes after its own delay, even when the delay
// runs past the time the caller was willing to wait: the way a platform read can come back late. Once the script
// is used up, reads wait out their time and return nothing.
class ScriptedChannel : public ByteChannel {
public:
    struct Read {
        int delayMs;
        QByteArray bytes;
    };

    explicit ScriptedChannel(std::deque<Read> script) : m_script(std::move(script)) {}

    bool open(const QString&, qint32, int, OpenError*) override { return m_open = true; }
    void close() override { m_open = false; }
    bool isOpen() const override { return m_open; }
    qint64 write(const char*, qint64 count, int) override { return count; }
    void setBreak(bool) override {}

    qint64 read(char* buffer, qint64 max, int timeoutMs) override
    {
        if (m_script.empty()) {
            QThread::msleep(ulong(timeoutMs));
            return 0;
        }
        Read& next = m_script.front();
        QThread::msleep(ulong(next.delayMs));
        const qint64 n = std::min<qint64>(max, next.bytes.size());
        std::copy_n(next.bytes.constData(), n, buffer);
        next.bytes.remove(0, n);
        if (next.bytes.isEmpty())
            m_script.pop_front();
        return n;
    }

private:
    std::deque<Read> m_script;
    bool m_open = false;
};

} // namespace vimo::test
