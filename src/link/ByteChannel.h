#pragma once

#include "link/OpenError.h"

#include <QString>
#include <QtGlobal>

namespace vimo {

// The raw byte transport under SerialLink: a real serial port, or a stand-in in tests.
//
// Every call blocks the calling thread; they are only made from the thread that owns the link.
class ByteChannel {
public:
    virtual ~ByteChannel() = default;

    // Opens the device with the module's framing (0: 8N1 RTS low, 1: 7E1 RTS high; any other value keeps the
    // port's settings), raises DTR, and checks that the port took the settings. On failure the channel is closed
    // and `error` says why.
    virtual bool open(const QString& path, qint32 baud, int framing, OpenError* error) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    // Writes all bytes and waits until they have left the host (or `timeoutMs` passed); returns the number that
    // left, or -1 when the device is gone.
    virtual qint64 write(const char* data, qint64 count, int timeoutMs) = 0;

    // Returns up to `max` bytes that are already waiting; when none are, waits up to `timeoutMs` for some.
    // Returns 0 when nothing arrived, -1 when the device is gone (unplugged adapter, hang-up).
    virtual qint64 read(char* buffer, qint64 max, int timeoutMs) = 0;

    // Sets or clears the break condition on the line.
    virtual void setBreak(bool on) = 0;
};

} // namespace vimo
