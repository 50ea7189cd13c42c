#pragma once

#include "link/ByteChannel.h"
#include "link/OpenError.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

namespace vimo {

// The program's one access to the module's serial port: open with the module's framing, blocking reads with time
// limits in milliseconds, break signalling.
//
// Reads take whole blocks from the port and keep what an operation did not consume for the next one, so a line
// read leaves the rest of the stream where a byte-by-byte read would have left it. Waits sit on the port (they
// return as soon as a byte arrives), and every time limit holds to within a few milliseconds. When the device
// disappears (an adapter pulled out), the link closes, the exchange ends like a time-out with what had arrived,
// and portLost() says so; nothing spins on a dead port. Reads and writes on a closed link return 0 at once.
class SerialLink {
public:
    // Uses a real serial port.
    SerialLink();
    // Uses the given transport (tests).
    explicit SerialLink(std::unique_ptr<ByteChannel> channel);
    ~SerialLink();
    SerialLink(const SerialLink&) = delete;
    SerialLink& operator=(const SerialLink&) = delete;

    // Opens `path` at `baud` with framing 0 (8N1, RTS low) or 1 (7E1, RTS high); DTR is raised. Another framing
    // value leaves the port's settings as they are. Returns false when the port cannot be opened or refuses its
    // settings (it is then closed again); openError() says why. An open link is closed first.
    bool open(const QString& path, qint32 baud, int framing = 0);
    // Drops DTR and closes the port.
    void close();
    bool isOpen() const;

    // Writes the bytes and waits until they have left; returns the number written. A pause the caller makes after
    // this call therefore starts when the last byte is on the line.
    int write(const char* bytes, int count);
    int write(const QByteArray& bytes) { return write(bytes.constData(), int(bytes.size())); }

    // Reads up to `count` bytes, waiting at most 20 ms a byte in all; returns how many arrived.
    int readBytes(char* buffer, int count);

    // Discards input until the line has been quiet for about 20 ms; returns the number discarded.
    int drain();

    // Reads exactly `count` bytes within `limitMs`. Returns `count` (and writes a zero byte at buffer[count]: the
    // buffer holds count + 1 bytes) when all arrived, even when the last one came in the read that crossed the
    // limit; else 0, with the bytes received so far left in the buffer. receivedCount() tells how many those were.
    int readExact(char* buffer, int count, quint32 limitMs);

    // Reads one line within `limitMs`: stores characters up to LF (CR and LF are never stored), or `maxChars` of
    // them; the rest of a longer line stays for the next read. Writes a zero byte after the text (the buffer holds
    // maxChars + 1 bytes). Returns the number stored when the line ended, even in the read that crossed the limit;
    // else 0. An empty line also gives 0.
    int readLine(char* buffer, int maxChars, quint32 limitMs);

    // Convenience forms of the two reads above. readExact returns what arrived (all `count` bytes when *ok);
    // readLine returns the text of a line that ended, or what arrived before the time-out (*ok false).
    QByteArray readExact(int count, quint32 limitMs, bool* ok);
    QByteArray readLine(int maxChars, quint32 limitMs, bool* ok = nullptr);

    // Consumes input until `text` has been received (anywhere in the stream; the bytes before it are lost); true
    // when it was, false on time-out. limitMs 0 waits without limit, but not on a lost or closed port.
    bool waitFor(const char* text, int length, quint32 limitMs);
    bool waitFor(const QByteArray& text, quint32 limitMs)
    {
        return waitFor(text.constData(), int(text.size()), limitMs);
    }

    // Holds the line in the break state for `ms` milliseconds.
    void sendBreak(int ms);

    // Bytes stored by the last readExact / readLine, whatever it returned.
    int receivedCount() const { return m_received; }

    // Count of the most recent write.
    quint32 bytesWritten() const { return m_bytesWritten; }

    // Why the last open failed; empty after a successful open.
    const OpenError& openError() const { return m_error; }
    // The system's reason of the last failed open ("Permission denied", ...).
    QString errorString() const { return m_error.reason; }

    // The device path of the last open.
    QString path() const { return m_path; }

    // True once the device disappeared while open; cleared by the next successful open.
    bool portLost() const { return m_lost; }

    // Receives "Opening %s", "%s Opened." and "Comm port closed".
    void setTraceHook(std::function<void(const QString&)> hook) { m_trace = std::move(hook); }

private:
    // Makes input available in m_pending, waiting up to waitMs; false when nothing came or the port is closed or
    // gone (a lost port is closed here).
    bool fill(int waitMs);
    int takePending(char* buffer, int max);
    bool hasPending() const { return m_pendingPos < m_pending.size(); }
    void clearPending();
    void lose();
    void trace(const QString& text) const;

    std::unique_ptr<ByteChannel> m_channel;
    QByteArray m_pending;
    qsizetype m_pendingPos = 0;
    int m_received = 0;
    quint32 m_bytesWritten = 0;
    QString m_path;
    OpenError m_error;
    bool m_lost = false;
    std::function<void(const QString&)> m_trace;
};

} // namespace vimo
