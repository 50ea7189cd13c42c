#pragma once

// A stand-in for the serial port under SerialLink: it records what the program sends (and, through the pause
// hook, the pauses it makes) as a transcript, and answers from a script. Header-only so that every test binary and
// fuzz target can use it.

#include "link/ByteChannel.h"
#include "link/SerialLink.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <chrono>
#include <cstring>
#include <functional>
#include <memory>
#include <thread>

namespace vimo::test {

// What the test sets up and inspects; shared with the channel, which the link owns.
struct Wire {
    // Bytes waiting to be read by the program.
    QByteArray input;
    // Called with every block the program writes; may append to `input`.
    std::function<void(Wire&, const QByteArray&)> respond;
    // The transcript: one entry per write ("w <bytes>", bytes outside printable ASCII as \xHH), per pause
    // ("pause 40"), per open ("open <path> <baud>"), close, break ("break on" / "break off").
    QStringList events;
    // Everything written, in one piece.
    QByteArray written;
    bool refuseOpen = false;
    QString openFailure = QStringLiteral("No such file or directory");
    // When the input runs dry: true reports the device as gone (the link then ends the exchange at once),
    // false waits out the read's time-out like a silent line.
    bool goneWhenDry = false;
    // When the input is dry (and the device not gone), a read returns nothing at once instead of waiting out its
    // time-out (fuzz targets: the exchange must be made gone before a read with a time limit).
    bool dryReadsReturnAtOnce = false;
    bool isOpen = false;

    void note(const QString& event) { events << event; }
    void pause(int ms) { note(QStringLiteral("pause %1").arg(ms)); }

    // The events that are writes, with their bytes.
    QStringList writes() const
    {
        QStringList out;
        for (const QString& e : events) {
            if (e.startsWith(QLatin1String("w ")))
                out << e.mid(2);
        }
        return out;
    }

    static QString printable(const QByteArray& bytes)
    {
        QString out;
        for (const char c : bytes) {
            const auto u = static_cast<unsigned char>(c);
            if (u >= 0x20 && u < 0x7F && u != '\\')
                out += QLatin1Char(c);
            else
                out += QStringLiteral("\\x") + QString::number(u, 16).toUpper().rightJustified(2, QLatin1Char('0'));
        }
        return out;
    }
};

class TranscriptChannel : public ByteChannel {
public:
    explicit TranscriptChannel(std::shared_ptr<Wire> wire) : m_wire(std::move(wire)) {}

    bool open(const QString& path, qint32 baud, int framing, OpenError* error) override
    {
        m_wire->note(QStringLiteral("open %1 %2 %3").arg(path).arg(baud).arg(framing));
        if (m_wire->refuseOpen) {
            if (error) {
                error->path = path;
                error->reason = m_wire->openFailure;
            }
            return false;
        }
        m_wire->isOpen = true;
        return true;
    }
    void close() override
    {
        if (m_wire->isOpen)
            m_wire->note(QStringLiteral("close"));
        m_wire->isOpen = false;
    }
    bool isOpen() const override { return m_wire->isOpen; }

    qint64 write(const char* data, qint64 count, int) override
    {
        const QByteArray bytes(data, count);
        m_wire->note(QStringLiteral("w ") + Wire::printable(bytes));
        m_wire->written += bytes;
        if (m_wire->respond)
            m_wire->respond(*m_wire, bytes);
        return count;
    }

    qint64 read(char* buffer, qint64 max, int timeoutMs) override
    {
        if (m_wire->input.isEmpty()) {
            if (m_wire->goneWhenDry)
                return -1;
            if (m_wire->dryReadsReturnAtOnce)
                return 0;
            std::this_thread::sleep_for(std::chrono::milliseconds(timeoutMs));
            return 0;
        }
        const qint64 n = std::min<qint64>(max, m_wire->input.size());
        std::memcpy(buffer, m_wire->input.constData(), std::size_t(n));
        m_wire->input.remove(0, n);
        return n;
    }

    void setBreak(bool on) override { m_wire->note(on ? QStringLiteral("break on") : QStringLiteral("break off")); }

private:
    std::shared_ptr<Wire> m_wire;
};

// A SerialLink over a TranscriptChannel, with the wire at hand; pauses go into the transcript.
struct ScriptedLink {
    std::shared_ptr<Wire> wirePtr = std::make_shared<Wire>();
    Wire& w = *wirePtr;
    SerialLink link{std::make_unique<TranscriptChannel>(wirePtr)};

    std::function<void(int)> pauseHook()
    {
        return [wire = wirePtr](int ms) { wire->pause(ms); };
    }
};

} // namespace vimo::test
