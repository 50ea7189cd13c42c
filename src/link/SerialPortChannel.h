#pragma once

#include "link/ByteChannel.h"

#include <memory>

class QSerialPort;

namespace vimo {

// ByteChannel over QSerialPort: framing 0 is 8N1 with RTS low, framing 1 is 7E1 with RTS high; DTR is raised after
// open and dropped at close. Works on pseudo-terminals, where the modem-line ioctls fail and are ignored and the
// kernel keeps 8 bits without parity whatever is asked (a pseudo-terminal has no line to frame).
//
// The QSerialPort is created by open() on the calling thread, so the link may be handed to a worker thread while
// it is closed.
class SerialPortChannel : public ByteChannel {
public:
    SerialPortChannel();
    ~SerialPortChannel() override;

    bool open(const QString& path, qint32 baud, int framing, OpenError* error) override;
    void close() override;
    bool isOpen() const override;
    qint64 write(const char* data, qint64 count, int timeoutMs) override;
    qint64 read(char* buffer, qint64 max, int timeoutMs) override;
    void setBreak(bool on) override;

private:
    // True when the last failed wait came from the device rather than from the time running out.
    bool deviceGone() const;
    // Waits (up to `timeoutMs`) until the driver's output queue is empty, so the bytes are on the line.
    void waitUntilSent(int timeoutMs) const;

    std::unique_ptr<QSerialPort> m_port;
};

} // namespace vimo
