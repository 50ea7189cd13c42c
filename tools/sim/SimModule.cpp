#include "SimModule.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <optional>
#include <poll.h>
#include <pty.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace vimo::sim {
namespace {

using Clock = std::chrono::steady_clock;
using Nanos = std::chrono::nanoseconds;

// How long the line stays alive after the bytes that a hang-up fault lets through.
constexpr auto kHangUpDelay = std::chrono::milliseconds(100);

// A byte the host sent, and when it has fully arrived at the module.
struct Incoming {
    Clock::time_point due;
    char byte;
};

// Sleeps until `wake` (for ever without one), until the host sends, the line can take more (`pollOut`) or someone
// wakes the module through `wakeFd`; then queues what the host sent, each byte due when the line has carried it
// (`inClock` is when the last one has fully arrived). False when the line cannot be polled.
bool waitAndReceive(int master, int wakeFd, std::optional<Clock::time_point> wake, bool pollOut, Nanos byteTime,
                    std::deque<Incoming>& inbox, Clock::time_point& inClock)
{
    pollfd fds[2] = {{master, short(POLLIN | (pollOut ? POLLOUT : 0)), 0}, {wakeFd, POLLIN, 0}};
    timespec timeout{};
    if (wake) {
        const Nanos left = std::max(Nanos(0), std::chrono::duration_cast<Nanos>(*wake - Clock::now()));
        timeout.tv_sec = time_t(left.count() / 1'000'000'000);
        timeout.tv_nsec = long(left.count() % 1'000'000'000);
    }
    if (::ppoll(fds, 2, wake ? &timeout : nullptr, nullptr) < 0 && errno != EINTR)
        return false;
    if (fds[1].revents & POLLIN) {
        char drop[16];
        while (::read(wakeFd, drop, sizeof drop) > 0) {
        }
    }
    if (fds[0].revents & POLLIN) {
        char block[4096];
        const ssize_t n = ::read(master, block, sizeof block);
        if (n > 0) {
            const Clock::time_point readAt = Clock::now();
            for (ssize_t i = 0; i < n; ++i) {
                inClock = std::max(inClock, readAt) + byteTime;
                inbox.push_back({inClock, block[i]});
            }
        }
    }
    return true;
}

int baudOf(speed_t speed)
{
    struct Rate {
        speed_t code;
        int baud;
    };
    static constexpr Rate rates[] = {
        {B1200, 1200},   {B2400, 2400},   {B4800, 4800},     {B9600, 9600},     {B19200, 19200},
        {B38400, 38400}, {B57600, 57600}, {B115200, 115200}, {B230400, 230400},
    };
    for (const Rate& r : rates) {
        if (r.code == speed)
            return r.baud;
    }
    return 115200;
}

QString systemError(const char* what)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(errno)));
}

void closeFd(int& fd)
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

} // namespace

SimModule::SimModule(const SimOptions& options) : m_options(options), m_model(SimModel::fromOptions(options)) {}

SimModule::~SimModule()
{
    stop();
}

bool SimModule::start(QString* error)
{
    auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        closeTerminal();
        return false;
    };
    if (m_running)
        return true;
    char name[256] = {};
    if (::openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0)
        return fail(systemError("openpty"));
    // Raw bytes both ways: no echo, no line editing, no CR/LF translation, until the host sets its own mode.
    termios mode{};
    ::tcgetattr(m_slave, &mode);
    ::cfmakeraw(&mode);
    ::cfsetspeed(&mode, B115200);
    ::tcsetattr(m_slave, TCSANOW, &mode);
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    ::fcntl(m_master, F_SETFD, FD_CLOEXEC);
    ::fcntl(m_slave, F_SETFD, FD_CLOEXEC);
    if (::pipe2(m_wake, O_NONBLOCK | O_CLOEXEC) != 0)
        return fail(systemError("pipe"));
    m_devicePath = QString::fromLocal8Bit(name);

    if (!m_options.logPath.isEmpty()) {
        m_log =
            ::open(QFile::encodeName(m_options.logPath).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (m_log < 0)
            return fail(systemError("log file"));
    }
    if (!m_options.linkPath.isEmpty()) {
        const QByteArray link = QFile::encodeName(m_options.linkPath);
        struct stat info {};
        if (::lstat(link.constData(), &info) == 0) {
            if (!S_ISLNK(info.st_mode))
                return fail(QStringLiteral("%1 exists and is not a symbolic link").arg(m_options.linkPath));
            ::unlink(link.constData());
        }
        if (::symlink(name, link.constData()) != 0)
            return fail(systemError("symlink"));
        m_madeLink = true;
    }
    m_stop = false;
    m_hangUp = false;
    m_running = true;
    m_thread = std::thread([this] { run(); });
    return true;
}

void SimModule::stop()
{
    m_stop = true;
    if (m_wake[1] >= 0)
        (void)!::write(m_wake[1], "s", 1);
    if (m_thread.joinable())
        m_thread.join();
    closeTerminal();
}

void SimModule::hangUp()
{
    m_hangUp = true;
    if (m_wake[1] >= 0)
        (void)!::write(m_wake[1], "h", 1);
}

void SimModule::closeTerminal()
{
    closeFd(m_master);
    closeFd(m_slave);
    closeFd(m_wake[0]);
    closeFd(m_wake[1]);
    closeFd(m_log);
    if (m_madeLink)
        ::unlink(QFile::encodeName(m_options.linkPath).constData());
    m_madeLink = false;
    m_running = false;
}

QByteArray SimModule::received() const
{
    std::lock_guard lock(m_mutex);
    return m_received;
}

void SimModule::clearReceived()
{
    std::lock_guard lock(m_mutex);
    m_received.clear();
}

bool SimModule::waitForReceived(qsizetype count, int timeoutMs) const
{
    std::unique_lock lock(m_mutex);
    return m_receivedChanged.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                                      [&] { return m_received.size() >= count; });
}

SimModel SimModule::model() const
{
    std::lock_guard lock(m_mutex);
    return m_model;
}

void SimModule::setFaults(const SimFaults& faults)
{
    std::lock_guard lock(m_mutex);
    m_model.faults = faults;
}

void SimModule::record(const char* bytes, qsizetype count)
{
    {
        std::lock_guard lock(m_mutex);
        m_received.append(bytes, count);
    }
    m_receivedChanged.notify_all();
    if (m_log >= 0)
        (void)!::write(m_log, bytes, size_t(count));
}

long SimModule::pacedByteNanos() const
{
    if (!m_options.pace)
        return 0;
    int baud = m_options.baud;
    if (baud <= 0) {
        termios mode{};
        baud = ::tcgetattr(m_slave, &mode) == 0 ? baudOf(::cfgetospeed(&mode)) : 115200;
    }
    return 10'000'000'000L / baud;
}

void SimModule::run()
{
    std::deque<Incoming> inbox;
    QByteArray outbox;
    qsizetype outPos = 0;
    Clock::time_point inClock{};  // when the last incoming byte has fully arrived
    Clock::time_point outClock{}; // when the last outgoing byte has fully left
    qint64 sent = 0;
    std::optional<Clock::time_point> hangUpAt;
    const Clock::time_point origin = Clock::now();
    auto msAt = [&](Clock::time_point t) {
        return std::chrono::duration_cast<std::chrono::milliseconds>(t - origin).count();
    };

    while (!m_stop && !m_hangUp) {
        const Nanos byteTime(pacedByteNanos());
        Clock::time_point now = Clock::now();

        // Act on the bytes that have arrived by now; they count as received once the module has acted on them.
        QByteArray arrived;
        while (!inbox.empty() && inbox.front().due <= now) {
            const bool idle = outPos >= outbox.size();
            {
                std::lock_guard lock(m_mutex);
                m_protocol.receive(inbox.front().byte, msAt(inbox.front().due), m_model, outbox);
            }
            if (idle && outPos < outbox.size())
                outClock = std::max(outClock, inbox.front().due);
            arrived += inbox.front().byte;
            inbox.pop_front();
        }
        if (!arrived.isEmpty())
            record(arrived.constData(), arrived.size());

        // Send what the line has carried by now (all of it when unpaced), and no more than a hang-up lets through.
        int hangUpAfter = -1;
        {
            std::lock_guard lock(m_mutex);
            hangUpAfter = m_model.faults.hangUpAfterBytes;
        }
        qint64 due = outbox.size() - outPos;
        if (byteTime.count() > 0)
            due = std::min<qint64>(due, (now - outClock) / byteTime);
        if (hangUpAfter >= 0)
            due = std::min<qint64>(due, std::max<qint64>(hangUpAfter - sent, 0));
        if (due > 0) {
            const ssize_t n = ::write(m_master, outbox.constData() + outPos, size_t(due));
            if (n > 0) {
                outPos += n;
                sent += n;
                outClock += byteTime * n;
            }
        }
        if (outPos >= outbox.size()) {
            outbox.clear();
            outPos = 0;
        }
        if (hangUpAfter >= 0 && sent >= hangUpAfter && !hangUpAt)
            hangUpAt = now + kHangUpDelay;
        if (hangUpAt && now >= *hangUpAt)
            break;

        // Sleep until the next byte arrives or is due, or the host sends, or someone wakes us.
        std::optional<Clock::time_point> wake;
        auto wakeBy = [&](Clock::time_point t) { wake = wake ? std::min(*wake, t) : t; };
        if (!inbox.empty())
            wakeBy(inbox.front().due);
        const bool moreToSend = outPos < outbox.size() && (hangUpAfter < 0 || sent < hangUpAfter);
        if (moreToSend && byteTime.count() > 0)
            wakeBy(outClock + byteTime);
        if (hangUpAt)
            wakeBy(*hangUpAt);
        if (!waitAndReceive(m_master, m_wake[0], wake, moreToSend && byteTime.count() == 0, byteTime, inbox, inClock))
            break;
    }
    if (!m_stop) {
        // A hang-up: the terminal disappears under the host.
        closeFd(m_master);
        closeFd(m_slave);
        m_running = false;
    }
}

} // namespace vimo::sim
