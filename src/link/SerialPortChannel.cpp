#include "link/SerialPortChannel.h"

#include <QSerialPort>

namespace vimo {

SerialPortChannel::SerialPortChannel() : m_port(std::make_unique<QSerialPort>()) {}

SerialPortChannel::~SerialPortChannel()
{
    close();
}

bool SerialPortChannel::open(const QString& path, qint32 baud, int framing, QString* error)
{
    close();
    m_port->setPortName(path);
    if (!m_port->open(QIODevice::ReadWrite)) {
        if (error)
            *error = m_port->errorString();
        return false;
    }
    bool ok = m_port->setBaudRate(baud);
    if (framing == 0) {
        ok = ok && m_port->setDataBits(QSerialPort::Data8) && m_port->setParity(QSerialPort::NoParity);
    } else if (framing == 1) {
        ok = ok && m_port->setDataBits(QSerialPort::Data7) && m_port->setParity(QSerialPort::EvenParity);
    }
    ok = ok && m_port->setStopBits(QSerialPort::OneStop);
    if (!ok) {
        if (error)
            *error = QStringLiteral("the port refused its settings (%1)").arg(m_port->errorString());
        m_port->close();
        return false;
    }
    // Pseudo-terminals have no modem lines: these fail there and are ignored.
    m_port->setRequestToSend(framing == 1);
    m_port->setDataTerminalReady(true);
    m_port->clearError();
    return true;
}

void SerialPortChannel::close()
{
    if (!m_port->isOpen())
        return;
    m_port->setDataTerminalReady(false);
    m_port->close();
}

bool SerialPortChannel::isOpen() const
{
    return m_port->isOpen();
}

qint64 SerialPortChannel::write(const char* data, qint64 count, int timeoutMs)
{
    const qint64 queued = m_port->write(data, count);
    if (queued < 0)
        return 0;
    while (m_port->bytesToWrite() > 0) {
        if (!m_port->waitForBytesWritten(timeoutMs))
            break;
    }
    return queued - m_port->bytesToWrite();
}

qint64 SerialPortChannel::read(char* buffer, qint64 max, int timeoutMs)
{
    if (m_port->bytesAvailable() == 0) {
        if (!m_port->waitForReadyRead(timeoutMs)) {
            const auto err = m_port->error();
            if (err == QSerialPort::ResourceError || err == QSerialPort::PermissionError)
                return -1;
            m_port->clearError();
            return 0;
        }
    }
    const qint64 got = m_port->read(buffer, max);
    return got < 0 ? -1 : got;
}

void SerialPortChannel::setBreak(bool on)
{
    m_port->setBreakEnabled(on);
}

} // namespace vimo
