#pragma once

#include "link/ByteChannel.h"

#include <memory>

class QSerialPort;

namespace vimo {

// ByteChannel over QSerialPort: framing 0 is 8N1 with RTS low, framing 1 is 7E1 with RTS high; DTR is raised after
// open and dropped at close. Works on pseudo-terminals, where the DTR/RTS/break ioctls fail and are ignored.
class SerialPortChannel : public ByteChannel {
public:
    SerialPortChannel();
    ~SerialPortChannel() override;

    bool open(const QString& path, qint32 baud, int framing, QString* error) override;
    void close() override;
    bool isOpen() const override;
    qint64 write(const char* data, qint64 count, int timeoutMs) override;
    qint64 read(char* buffer, qint64 max, int timeoutMs) override;
    void setBreak(bool on) override;

private:
    std::unique_ptr<QSerialPort> m_port;
};

} // namespace vimo
