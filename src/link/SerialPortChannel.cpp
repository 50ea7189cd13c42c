#include "link/SerialPortChannel.h"

#include <QElapsedTimer>
#include <QSerialPort>
#include <QThread>
#include <algorithm>

#ifdef Q_OS_UNIX
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#endif
#ifdef Q_OS_LINUX
#include <sys/sysmacros.h>
#endif

namespace vimo {
namespace {

// A pseudo-terminal slave: it accepts any baud rate but always carries 8 bits without parity.
bool isPseudoTerminal([[maybe_unused]] qintptr handle)
{
#ifdef Q_OS_LINUX
    struct stat info {};
    if (::fstat(int(handle), &info) != 0 || !S_ISCHR(info.st_mode))
        return false;
    const unsigned int ptyMajorFirst = 136; // Unix98 pseudo-terminal slaves use majors 136 to 143
    return major(info.st_rdev) >= ptyMajorFirst && major(info.st_rdev) < ptyMajorFirst + 8;
#else
    return false;
#endif
}

// Applies baud rate and framing; returns the port's complaint, or an empty text when it took them all.
QString applySettings(QSerialPort& port, qint32 baud, int framing)
{
    if (framing != 0 && framing != 1)
        return {};
    if (!port.setBaudRate(baud))
        return port.errorString();
    const bool eightBits = framing == 0;
    const bool framed = port.setDataBits(eightBits ? QSerialPort::Data8 : QSerialPort::Data7)
                        && port.setParity(eightBits ? QSerialPort::NoParity : QSerialPort::EvenParity);
    if (!framed && !isPseudoTerminal(port.handle()))
        return port.errorString();
    if (!port.setStopBits(QSerialPort::OneStop))
        return port.errorString();
    return {};
}

} // namespace

SerialPortChannel::SerialPortChannel() = default;

SerialPortChannel::~SerialPortChannel()
{
    close();
}

bool SerialPortChannel::open(const QString& path, qint32 baud, int framing, OpenError* error)
{
    close();
    auto port = std::make_unique<QSerialPort>();
    port->setPortName(path);
    OpenError failure;
    failure.path = path;
    if (!port->open(QIODevice::ReadWrite)) {
        failure.reason = port->errorString();
        explainOpenFailure(failure);
        if (error)
            *error = failure;
        return false;
    }
    const QString refused = applySettings(*port, baud, framing);
    if (!refused.isEmpty()) {
        failure.reason = QStringLiteral("the port refused its settings (%1 baud, framing %2): %3")
                             .arg(baud)
                             .arg(framing)
                             .arg(refused);
        port->close();
        if (error)
            *error = failure;
        return false;
    }
    // The modem lines: RTS as the framing says (Linux raises it at open), then DTR. Pseudo-terminals have no
    // modem lines, so both fail there; that is not a fault of the port.
    if (framing == 0 || framing == 1)
        port->setRequestToSend(framing == 1);
    port->setDataTerminalReady(true);
    port->clearError();
    m_port = std::move(port);
    return true;
}

void SerialPortChannel::close()
{
    if (!m_port)
        return;
    if (m_port->isOpen()) {
        m_port->setDataTerminalReady(false);
        m_port->close();
    }
    m_port.reset();
}

bool SerialPortChannel::isOpen() const
{
    return m_port && m_port->isOpen();
}

bool SerialPortChannel::deviceGone() const
{
    const QSerialPort::SerialPortError error = m_port->error();
    return error != QSerialPort::NoError && error != QSerialPort::TimeoutError;
}

void SerialPortChannel::waitUntilSent([[maybe_unused]] int timeoutMs) const
{
#ifdef Q_OS_UNIX
    QElapsedTimer timer;
    timer.start();
    const qint64 baud = std::max<qint64>(m_port->baudRate(), 1);
    for (;;) {
        int queued = 0;
        if (::ioctl(int(m_port->handle()), TIOCOUTQ, &queued) != 0 || queued <= 0)
            return;
        const qint64 left = timeoutMs - timer.elapsed();
        if (left <= 0)
            return;
        // Sleep about as long as the queued bytes need on the line (10 bits a byte), then look again.
        const qint64 needUs = std::max<qint64>(qint64(queued) * 10 * 1000000 / baud, 500);
        QThread::usleep(ulong(std::min(needUs, left * 1000)));
    }
#endif
}

qint64 SerialPortChannel::write(const char* data, qint64 count, int timeoutMs)
{
    if (!isOpen())
        return 0;
    m_port->clearError();
    const qint64 queued = m_port->write(data, count);
    if (queued < 0)
        return deviceGone() ? -1 : 0;
    QElapsedTimer timer;
    timer.start();
    while (m_port->bytesToWrite() > 0) {
        const qint64 left = timeoutMs - timer.elapsed();
        if (left <= 0)
            break;
        if (!m_port->waitForBytesWritten(int(left))) {
            if (deviceGone())
                return -1;
            break;
        }
    }
    const qint64 written = queued - m_port->bytesToWrite();
    waitUntilSent(int(std::max<qint64>(timeoutMs - timer.elapsed(), 0)));
    return written;
}

qint64 SerialPortChannel::read(char* buffer, qint64 max, int timeoutMs)
{
    if (!isOpen())
        return 0;
    if (m_port->bytesAvailable() == 0) {
        m_port->clearError();
        if (!m_port->waitForReadyRead(std::max(timeoutMs, 0))) {
            // A hang-up or an unplugged adapter ends the wait at once with a read or resource error.
            if (deviceGone())
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
    if (!isOpen())
        return;
    // A pseudo-terminal accepts the request and does nothing.
    m_port->setBreakEnabled(on);
    m_port->clearError();
}

} // namespace vimo
